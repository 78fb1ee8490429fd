#pragma once

#include "toolkit/platform/win32/windows_api.h"
#include <tpcshrd.h>

#include <optional>
#include <unordered_map>


namespace toolkit::platform::win32 {

struct TouchContact {
  TouchPhase phase;
  int id;
  PointF position;  // in client pixels
};

// Whether Windows delivers touch as WM_POINTER* messages (Windows 8 and later).
bool PointerMessagesAvailable();

// Windows 7 has no WM_POINTER*: a finger reaches the window as mouse messages, but only once
// the system's gestures are off, which would otherwise turn a horizontal drag into a pan (scroll
// messages), a quick swipe into a flick (Back, Forward) and a held finger into a right click.
// Turns off the window's gestures (SetGestureConfig, Windows 7 and later; nothing before).
void TurnOffSystemGestures(HWND window);
// The answer to WM_TABLET_QUERYSYSTEMGESTURESTATUS, which asks for the rest: no press and
// hold, no flicks, no feedback drawn under the finger or the pen.
inline constexpr LRESULT kSystemGesturesOff = TABLET_DISABLE_PRESSANDHOLD | TABLET_DISABLE_PENTAPFEEDBACK |
                                              TABLET_DISABLE_PENBARRELFEEDBACK | TABLET_DISABLE_FLICKS;

// The touch contacts on one window, from its WM_POINTER* messages.
class TouchInput {
 public:
  // The touch contact a WM_POINTERDOWN, WM_POINTERUPDATE, WM_POINTERUP or
  // WM_POINTERCAPTURECHANGED message carries; nullopt for other pointers (mouse and pen, left
  // to Windows, which turns them into mouse messages) and for every other message.
  std::optional<TouchContact> FromPointerMessage(HWND window, UINT message, WPARAM wParam);

 private:
  // The contacts down now, at their last positions.
  std::unordered_map<UINT32, PointF> down_;
};

}  // namespace toolkit::platform::win32
