#include "deck/pictures/exact_area.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace deck::geometry {
namespace {

double Dot(Point a, Point b) { return a.x * b.x + a.y * b.y; }
double Cross(Point a, Point b) { return a.x * b.y - a.y * b.x; }
Point Along(Point from, Point to, double t) {
  return {from.x + (to.x - from.x) * t, from.y + (to.y - from.y) * t};
}

// Signed area of the sector of the unit disk between the rays to a and b.
double SectorArea(Point a, Point b) { return 0.5 * std::atan2(Cross(a, b), Dot(a, b)); }

// Signed area of the unit disk ∩ the triangle (origin, a, b): the part of
// the segment ab inside the circle contributes a triangle, the parts outside
// contribute sectors.
double UnitDiskTriangleArea(Point a, Point b) {
  const Point d{b.x - a.x, b.y - a.y};
  const double dd = Dot(d, d);
  if (dd == 0.0) {
    return 0.0;
  }
  // |a + t d|² = 1  <=>  dd t² + 2 ad t + (aa - 1) = 0
  const double ad = Dot(a, d);
  const double discriminant = ad * ad - dd * (Dot(a, a) - 1.0);
  if (discriminant <= 0.0) {
    return SectorArea(a, b);
  }
  const double root = std::sqrt(discriminant);
  const double enter = std::max((-ad - root) / dd, 0.0);
  const double leave = std::min((-ad + root) / dd, 1.0);
  if (enter >= leave) {
    return SectorArea(a, b);
  }
  const Point p = Along(a, b, enter);
  const Point q = Along(a, b, leave);
  return SectorArea(a, p) + 0.5 * Cross(p, q) + SectorArea(q, b);
}

}  // namespace

Polygon ClipToHalfPlane(const Polygon& polygon, const HalfPlane& side) {
  Polygon kept;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    const Point p = polygon[i];
    const Point q = polygon[(i + 1) % polygon.size()];
    const double dp = Dot(side.normal, p) - side.offset;
    const double dq = Dot(side.normal, q) - side.offset;
    if (dp <= 0.0) {
      kept.push_back(p);
    }
    if ((dp < 0.0 && dq > 0.0) || (dp > 0.0 && dq < 0.0)) {
      kept.push_back(Along(p, q, dp / (dp - dq)));
    }
  }
  return kept;
}

double AreaOf(const Polygon& polygon) {
  double twice = 0.0;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    twice += Cross(polygon[i], polygon[(i + 1) % polygon.size()]);
  }
  return 0.5 * std::abs(twice);
}

double AreaWithin(const Ellipse& ellipse, const Polygon& polygon) {
  // Scaling the ellipse to the unit disk scales every area by 1 / (rx ry).
  const auto toDisk = [&](Point p) {
    return Point{(p.x - ellipse.centre.x) / ellipse.radiusX,
                 (p.y - ellipse.centre.y) / ellipse.radiusY};
  };
  double signedArea = 0.0;
  for (std::size_t i = 0; i < polygon.size(); ++i) {
    signedArea +=
        UnitDiskTriangleArea(toDisk(polygon[i]), toDisk(polygon[(i + 1) % polygon.size()]));
  }
  return std::abs(signedArea) * ellipse.radiusX * ellipse.radiusY;
}

}  // namespace deck::geometry
