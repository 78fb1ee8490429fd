#include "deck/pictures/light_shapes.h"

#include <cmath>
#include <numbers>

namespace deck {
namespace {

using geometry::Ellipse;
using geometry::HalfPlane;
using geometry::Point;
using geometry::Polygon;

struct Size {
  double width;
  double height;
};

constexpr Size kLampSize{25.75, 23.1};
constexpr Size kTwoColourSize{27.2, 24.0};

// Cards 1 to 4 draw every lamp as a larger ellipse, taller than wide.
Size LampSizeOn(int card) {
  if (card == 3) {
    return {31.8, 34.4};
  }
  if (card >= 1 && card <= 4) {
    return {32.4, 35.0};
  }
  return kLampSize;
}

Ellipse EllipseAt(Point centre, Size size) { return {centre, size.width / 2.0, size.height / 2.0}; }

// Sixteen tips on an ellipse of semi-axes 18.5 × 16.7 and sixteen notches on
// one of 14.9 × 13.2, alternating every 11.25° clockwise from straight up.
Polygon StarAt(Point centre) {
  constexpr int kCorners = 32;
  Polygon corners;
  corners.reserve(kCorners);
  for (int k = 0; k < kCorners; ++k) {
    const bool tip = k % 2 == 0;
    const double a = tip ? 18.5 : 14.9;
    const double b = tip ? 16.7 : 13.2;
    const double t = k * 2.0 * std::numbers::pi / kCorners;
    corners.push_back({centre.x + a * std::sin(t), centre.y - b * std::cos(t)});
  }
  return corners;
}

// The seam runs from 1.5 px left of the centre at the light's top to 0.2 px
// left of it at the bottom; green lies to its left, red to its right.
std::vector<Patch> TwoColourAt(Point centre) {
  const Ellipse ellipse = EllipseAt(centre, kTwoColourSize);
  const Point top{centre.x - 1.5, centre.y - ellipse.radiusY};
  const Point bottom{centre.x - 0.2, centre.y + ellipse.radiusY};
  const Point normal{bottom.y - top.y, top.x - bottom.x};  // points to the right
  const double offset = normal.x * top.x + normal.y * top.y;
  const HalfPlane left{normal, offset};
  const HalfPlane right{{-normal.x, -normal.y}, -offset};
  return {{kGreen, ellipse, left}, {kRed, ellipse, right}};
}

}  // namespace

std::vector<Patch> PatchesOf(const Light& light, int card) {
  const Point centre{static_cast<double>(light.x), static_cast<double>(light.y)};
  const auto lamp = [&](Rgb colour) {
    return std::vector<Patch>{{colour, EllipseAt(centre, LampSizeOn(card)), std::nullopt}};
  };
  switch (light.kind) {
    case LightKind::White:
      return lamp(kWhite);
    case LightKind::Red:
      return lamp(kRed);
    case LightKind::Green:
      return lamp(kGreen);
    case LightKind::Yellow:
      return lamp(kYellow);
    case LightKind::Star:
      return {{kYellow, StarAt(centre), std::nullopt}};
    case LightKind::TwoColour:
      return TwoColourAt(centre);
  }
  return {};
}

}  // namespace deck
