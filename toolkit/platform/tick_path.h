#pragma once

#include <array>

namespace toolkit::platform {

// The tick of a checked check box as a stroked path, for the 13 × 13 box: a short stroke down
// to the right, then a long one up, on half pixels so that the anti-aliasing falls evenly on
// both sides. Offsets from the box's top-left corner, in pixels.
struct TickPath {
  struct Point {
    double x;
    double y;
  };
  static constexpr std::array<Point, 3> kPoints{{{2.5, 6.5}, {5.5, 9.5}, {10.5, 3.5}}};
  static constexpr double kStrokeWidth = 1.6;
};

}  // namespace toolkit::platform
