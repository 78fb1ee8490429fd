#include "toolkit/controls/check_box.h"

#include "toolkit/components/handler_call.h"
#include "toolkit/layout/rounding.h"
#include "toolkit/looks/style.h"

namespace toolkit {

void TCheckBox::SetIsChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Invalidate();
  NotifyAccessibility(platform::AccessibleChange::State);
  CallHandler(onChange_, this);
}

Rect TCheckBox::Box() const {
  const int left = RoundToInt((kBoxColumn - kBoxSize) / 2.0);
  const int top = RoundToInt((Height() - kBoxSize) / 2.0);
  return {left, top, left + kBoxSize, top + kBoxSize};
}

bool TCheckBox::BindEvent(std::string_view event, const THandler& handler) {
  if (event != "OnChange") return TPressable::BindEvent(event, handler);
  onChange_ = HandlerAs<TNotifyEvent>(handler, event);
  return true;
}

void TCheckBox::Clicked() { SetIsChecked(!checked_); }

bool TCheckBox::CharTyped(char32_t character, Modifiers modifiers) {
  // A space typed with Shift is still a typed space; with Ctrl or Alt it is a command.
  if (character != U' ' || modifiers.control || modifiers.alt) return false;
  SetIsChecked(!checked_);
  return true;
}

void TCheckBox::Paint(Canvas& canvas) const {
  const Rect box = Box();
  canvas.FillRect(box, look::kCheckBoxFill);
  const bool active = IsHovered() || IsFocused();
  canvas.FrameRect(box, active ? look::kCheckBoxActiveBorder : look::kCheckBoxBorder, 1);
  if (checked_) canvas.DrawTick(box, look::kCheckBoxTick);
  const Rect caption{kBoxColumn + kCaptionGap, 0, Width(), Height()};
  canvas.DrawText(caption, Text(), look::kText, {platform::TextAlign::Leading, platform::TextAlign::Center, false});
}

}  // namespace toolkit
