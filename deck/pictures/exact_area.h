#pragma once

#include <vector>

// Plane geometry with exact areas, in picture coordinates (x to the right,
// y downwards).
namespace deck::geometry {

struct Point {
  double x;
  double y;
};

// Corners in order, either direction; the last joins the first.
using Polygon = std::vector<Point>;

// The closed half-plane of the points p with normal · p <= offset.
struct HalfPlane {
  Point normal;
  double offset;
};

// Axis-aligned ellipse given by its centre and semi-axes.
struct Ellipse {
  Point centre;
  double radiusX;
  double radiusY;
};

// The part of `polygon` inside `side`. Exact for convex and concave polygons
// alike: where a concave polygon is cut in two, the pieces stay joined by
// edges along the boundary that enclose no area.
Polygon ClipToHalfPlane(const Polygon& polygon, const HalfPlane& side);

// Shoelace area.
double AreaOf(const Polygon& polygon);

// Area of the ellipse ∩ polygon, for any simple polygon.
double AreaWithin(const Ellipse& ellipse, const Polygon& polygon);

}  // namespace deck::geometry
