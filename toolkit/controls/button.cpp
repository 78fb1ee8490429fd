#include "toolkit/controls/button.h"

#include "toolkit/components/handler_call.h"
#include "toolkit/looks/style.h"

namespace toolkit {

bool TButton::BindEvent(std::string_view event, const THandler& handler) {
  if (event != "OnClick") return TPressable::BindEvent(event, handler);
  onClick_ = HandlerAs<TNotifyEvent>(handler, event);
  return true;
}

void TButton::Clicked() { CallHandler(onClick_, this); }

bool TButton::KeyDown(Key key, Modifiers modifiers) {
  if ((key != Key::Enter && key != Key::Space) || modifiers != Modifiers{}) return false;
  Clicked();
  return true;
}

void TButton::Paint(Canvas& canvas) const {
  const Rect area{0, 0, Width(), Height()};
  if (IsPressed()) {
    canvas.FillRect(area, look::kButtonPressedFill);
    canvas.FrameRect(area, look::kButtonPressedBorder, 1);
  } else if (IsHovered()) {
    canvas.FillRect(area, look::kButtonHoverFill);
    canvas.FrameRect(area, look::kButtonHoverBorder, 1);
  } else if (IsFocused()) {
    canvas.FillRect(area, look::kButtonFill);
    canvas.FrameRect(area, look::kButtonFocusBorder, look::kButtonFocusBorderWidth);
  } else {
    canvas.FillRect(area, look::kButtonFill);
    canvas.FrameRect(area, look::kButtonBorder, 1);
  }
  canvas.DrawText(area, Text(), look::kText, {platform::TextAlign::Center, platform::TextAlign::Center, false});
}

}  // namespace toolkit
