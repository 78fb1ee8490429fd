#include "toolkit/platform/web/mouse_tracker.h"

#include <array>
#include <cmath>

#include "toolkit/platform/web/page_events.h"

namespace toolkit::platform::web {
namespace {

struct ButtonBit {
  MouseButton button;
  int bit;
};
constexpr std::array<ButtonBit, 3> kButtons{{
    {MouseButton::Left, kLeftButtonBit},
    {MouseButton::Right, kRightButtonBit},
    {MouseButton::Middle, kMiddleButtonBit},
}};

}  // namespace

void MouseTracker::Report(PointF position, int buttons, double timeMs, bool moved) {
  const int released = buttons_ & ~buttons;
  const int pressed = buttons & ~buttons_;
  buttons_ = buttons;
  for (const ButtonBit& entry : kButtons) {
    if (released & entry.bit) events_.PointerReleased(entry.button, position);
  }
  if (moved) events_.PointerMoved(position);
  for (const ButtonBit& entry : kButtons) {
    if (!(pressed & entry.bit)) continue;
    if (IsSecondPress(entry.button, position, timeMs)) {
      // A third press starts the count again.
      lastPress_.reset();
      events_.PointerDoubleClicked(entry.button, position);
    } else {
      lastPress_ = Press{entry.button, position, timeMs};
      events_.PointerPressed(entry.button, position);
    }
  }
}

void MouseTracker::Left() { events_.PointerLeft(); }

void MouseTracker::Cancelled() {
  if (buttons_ != 0) events_.PointerCaptureLost();
}

bool MouseTracker::IsSecondPress(MouseButton button, PointF position, double timeMs) const {
  return lastPress_ && lastPress_->button == button && timeMs - lastPress_->timeMs <= kDoubleClickMs &&
         std::abs(position.x - lastPress_->position.x) <= kDoubleClickDistance &&
         std::abs(position.y - lastPress_->position.y) <= kDoubleClickDistance;
}

}  // namespace toolkit::platform::web
