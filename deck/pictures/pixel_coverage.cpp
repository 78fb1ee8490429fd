#include "deck/pictures/pixel_coverage.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <utility>

namespace deck {
namespace {

using geometry::Ellipse;
using geometry::HalfPlane;
using geometry::Point;
using geometry::Polygon;

struct Bounds {
  double left;
  double top;
  double right;
  double bottom;
};

Bounds BoundsOf(const Ellipse& ellipse) {
  return {ellipse.centre.x - ellipse.radiusX, ellipse.centre.y - ellipse.radiusY,
          ellipse.centre.x + ellipse.radiusX, ellipse.centre.y + ellipse.radiusY};
}

Bounds BoundsOf(const Polygon& polygon) {
  Bounds bounds{polygon.front().x, polygon.front().y, polygon.front().x, polygon.front().y};
  for (const Point& p : polygon) {
    bounds = {std::min(bounds.left, p.x), std::min(bounds.top, p.y), std::max(bounds.right, p.x),
              std::max(bounds.bottom, p.y)};
  }
  return bounds;
}

// Measures a patch's shape within one pixel square, on the patch's side of
// the seam where it has one.
struct AreaInPixel {
  int column;
  int row;
  const std::optional<HalfPlane>& side;

  Polygon Square() const {
    const double x = column;
    const double y = row;
    return {{x, y}, {x + 1, y}, {x + 1, y + 1}, {x, y + 1}};
  }

  Polygon OnSide(Polygon polygon) const {
    return side ? geometry::ClipToHalfPlane(polygon, *side) : polygon;
  }

  double operator()(const Ellipse& ellipse) const {
    return geometry::AreaWithin(ellipse, OnSide(Square()));
  }

  double operator()(Polygon polygon) const {
    const double x = column;
    const double y = row;
    const HalfPlane edges[] = {{{-1, 0}, -x}, {{1, 0}, x + 1}, {{0, -1}, -y}, {{0, 1}, y + 1}};
    for (const HalfPlane& edge : edges) {
      polygon = geometry::ClipToHalfPlane(polygon, edge);
    }
    return geometry::AreaOf(OnSide(std::move(polygon)));
  }
};

}  // namespace

PixelSpan PixelsTouchedBy(const Patch& patch) {
  const Bounds b = std::visit([](const auto& shape) { return BoundsOf(shape); }, patch.shape);
  return {static_cast<int>(std::floor(b.left)), static_cast<int>(std::floor(b.top)),
          static_cast<int>(std::ceil(b.right)), static_cast<int>(std::ceil(b.bottom))};
}

double CoverageOf(const Patch& patch, int column, int row) {
  const double area = std::visit(AreaInPixel{column, row, patch.side}, patch.shape);
  return std::clamp(area, 0.0, 1.0);
}

}  // namespace deck
