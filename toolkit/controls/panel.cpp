#include "toolkit/controls/panel.h"

#include "toolkit/looks/style.h"

namespace toolkit {

void TPanel::Paint(Canvas& canvas) const {
  const Rect area{0, 0, Width(), Height()};
  canvas.FillRect(area, CurrentStyle().panelFill);
  canvas.FrameRect(area, CurrentStyle().panelBorder, 1);
}

}  // namespace toolkit
