#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace toolkit::platform::web {

// What the page's listeners have seen, one record per browser event, queued by the page until
// the program's loop takes it. The numbers are those the page writes; see page_events.js.
enum class PageEventKind : std::int32_t {
  Resize = 1,
  PointerDown,
  PointerMove,
  PointerUp,
  PointerCancel,
  PointerLeave,
  KeyDown,
  Activated,
  Deactivated,
  // A screen reader moved the page's focus to a mirrored control, or activated one.
  AccessibleFocus,
  AccessibleClick,
};

enum class PointerKind : std::int32_t { Mouse, Touch, Pen };

// The buttons a mouse holds down, as Pointer Events number them.
inline constexpr int kLeftButtonBit = 1;
inline constexpr int kRightButtonBit = 2;
inline constexpr int kMiddleButtonBit = 4;

// The modifier keys held with a key or a pointer event.
inline constexpr int kShiftBit = 1;
inline constexpr int kControlBit = 2;
inline constexpr int kAltBit = 4;

struct PageEvent {
  PageEventKind kind{};
  PointerKind pointer = PointerKind::Mouse;
  int pointerId = 0;
  int buttons = 0;    // pointer events: the buttons held after the event
  int modifiers = 0;  // key events
  int node = 0;       // accessibility events: the mirrored control
  double x = 0;       // pointer position in CSS pixels; for Resize, the viewport's width
  double y = 0;       // ... and height
  double time = 0;    // milliseconds, on the page's clock
  double ratio = 1;   // Resize: device pixels per CSS pixel
  std::string key;    // KeyboardEvent.key
};

// The oldest event the page has queued, if any.
std::optional<PageEvent> TakePageEvent();

// Returns once the page has queued an event or `timeoutMs` has passed, letting the browser
// run meanwhile; when events are waiting already, it still yields to the browser once.
void WaitForPageEvent(double timeoutMs);

}  // namespace toolkit::platform::web
