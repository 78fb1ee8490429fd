#include "toolkit/gesture/direction_agreement.h"

#include <cmath>
#include <numbers>

namespace gesture {

std::vector<std::size_t> nearestStrokePoints(const std::vector<Point>& stroke,
                                             const std::vector<Point>& path) {
  std::vector<std::size_t> nearest;
  nearest.reserve(path.size());
  for (const Point& templatePoint : path) {
    std::size_t best = 0;
    for (std::size_t k = 1; k < stroke.size(); ++k) {
      if (squaredDistance(stroke[k], templatePoint) <
          squaredDistance(stroke[best], templatePoint)) {
        best = k;
      }
    }
    nearest.push_back(best);
  }
  return nearest;
}

double stepAngle(Point from, Point to) {
  return std::atan2(from.x - to.x, from.y - to.y);
}

bool directionsAgree(double templateAngle, double strokeAngle, int margin) {
  const double spread = margin * std::numbers::pi / 100.0;
  return strokeAngle == 0.0 ||
         (templateAngle - spread < strokeAngle && strokeAngle < templateAngle + spread);
}

int countAgreeingDirections(const std::vector<Point>& stroke,
                            const std::vector<Point>& path, int margin) {
  const std::vector<std::size_t> nearest = nearestStrokePoints(stroke, path);
  int agreeing = 0;
  for (std::size_t i = 0; i < path.size(); ++i) {
    const std::size_t from = i + 2 < path.size() ? i : i - 1;
    const std::size_t to = from + 1;
    const double templateAngle = stepAngle(path[from], path[to]);
    const double strokeAngle = stepAngle(stroke[nearest[from]], stroke[nearest[to]]);
    if (directionsAgree(templateAngle, strokeAngle, margin)) {
      ++agreeing;
    }
  }
  return agreeing;
}

}  // namespace gesture
