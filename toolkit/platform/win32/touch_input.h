#pragma once

#include "toolkit/platform/win32/windows_api.h"

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
