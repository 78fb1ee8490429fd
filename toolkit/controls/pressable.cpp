#include "toolkit/controls/pressable.h"

namespace toolkit {

void TPressable::PointerDown(const PointerEvent& event) {
  SetFocus();
  if (event.button != MouseButton::Left) return;
  pressed_ = true;
  Invalidate();
}

void TPressable::PointerUp(const PointerEvent& event) {
  if (event.button != MouseButton::Left || !pressed_) return;
  pressed_ = false;
  Invalidate();
  if (IsShowing() && Rect{0, 0, Width(), Height()}.Contains(event.position.x, event.position.y)) Clicked();
}

void TPressable::DoDefaultAction() {
  if (!IsShowing()) return;
  SetFocus();
  Clicked();
}

void TPressable::PressCancelled() {
  pressed_ = false;
  Invalidate();
}

}  // namespace toolkit
