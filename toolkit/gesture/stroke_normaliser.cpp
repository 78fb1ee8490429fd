#include "toolkit/gesture/stroke_normaliser.h"

#include <algorithm>

#include "toolkit/rounding.h"

namespace gesture {

std::vector<Point> normaliseStroke(const std::vector<Point>& stroke, double width) {
  const auto [left, right] = std::minmax_element(
      stroke.begin(), stroke.end(), [](Point a, Point b) { return a.x < b.x; });
  const auto top = std::min_element(
      stroke.begin(), stroke.end(), [](Point a, Point b) { return a.y < b.y; });
  const double span = right->x - left->x;
  const double scale = span == 0.0 ? 1.0 : width / span;

  std::vector<Point> normalised;
  normalised.reserve(stroke.size());
  for (const Point& point : stroke) {
    const Point scaled{toolkit::RoundHalfEven((point.x - left->x) * scale),
                       toolkit::RoundHalfEven(point.y - top->y)};
    if (normalised.empty() || !(normalised.back() == scaled)) {
      normalised.push_back(scaled);
    }
  }
  return normalised;
}

}  // namespace gesture
