#pragma once

#include <cmath>

namespace gesture {

// A position in window or template units.
struct Point {
  double x, y;

  friend bool operator==(const Point&, const Point&) = default;
};

inline double squaredDistance(Point a, Point b) {
  const double dx = a.x - b.x;
  const double dy = a.y - b.y;
  return dx * dx + dy * dy;
}

inline double distance(Point a, Point b) { return std::sqrt(squaredDistance(a, b)); }

}  // namespace gesture
