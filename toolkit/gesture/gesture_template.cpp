#include "toolkit/gesture/gesture_template.h"

#include <algorithm>
#include <cmath>

#include "toolkit/rounding.h"

namespace gesture {

std::vector<GestureTemplate> standardTemplates() {
  return {leftSwipeTemplate, rightSwipeTemplate};
}

int effectiveMargin(int ErrorMargin, int Sensitivity) {
  const int slack = 100 - std::clamp(Sensitivity, 1, 100);
  const int widening = static_cast<int>(toolkit::RoundHalfEven(slack * slack / 100.0));
  return std::min(ErrorMargin + widening, 100);
}

double templateWidth(const GestureTemplate& gestureTemplate) {
  return std::fabs(gestureTemplate.to.x - gestureTemplate.from.x);
}

std::vector<Point> expandPath(const GestureTemplate& gestureTemplate) {
  const Point from = gestureTemplate.from;
  const Point to = gestureTemplate.to;
  const int steps = static_cast<int>(toolkit::RoundHalfEven(distance(from, to)));
  std::vector<Point> path;
  path.reserve(static_cast<std::size_t>(steps) + 1);
  for (int step = 0; step <= steps; ++step) {
    path.push_back({from.x + (to.x - from.x) * step / steps,
                    from.y + (to.y - from.y) * step / steps});
  }
  return path;
}

}  // namespace gesture
