#include "toolkit/controls/text.h"

#include "toolkit/looks/style.h"

namespace toolkit {

void TText::Paint(Canvas& canvas) const {
  canvas.DrawText(Rect{0, 0, Width(), Height()}, Text(), look::kText,
                  {platform::TextAlign::Center, platform::TextAlign::Center, true});
}

}  // namespace toolkit
