#pragma once

#include "toolkit/gesture/point.h"

namespace gesture {

// Whether the infinite line through the distinct points a and b cuts the
// circle of the given radius around centre in two points. A tangent touches
// in one point only and is no contact.
bool lineCutsCircle(Point a, Point b, Point centre, double radius);

}  // namespace gesture
