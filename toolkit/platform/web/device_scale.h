#pragma once

#include <cmath>

#include "toolkit/layout/geometry.h"

namespace toolkit::platform::web {

// One layout unit is one CSS pixel; the canvas holds `ratio` device pixels to each, so that
// every edge falls on a whole device pixel on any screen. Neighbouring rectangles share their
// edges, since each edge is rounded on its own.
struct DeviceScale {
  double ratio = 1;

  int ToDevice(int layoutUnits) const { return static_cast<int>(std::lround(layoutUnits * ratio)); }
  double ToDevice(double layoutUnits) const { return layoutUnits * ratio; }
  Rect ToDevice(const Rect& rect) const {
    return {ToDevice(rect.left), ToDevice(rect.top), ToDevice(rect.right), ToDevice(rect.bottom)};
  }
};

}  // namespace toolkit::platform::web
