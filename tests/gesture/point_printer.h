#pragma once

#include <ostream>

#include "toolkit/gesture/point.h"

namespace gesture {

// Lets test failures show points as (x, y).
inline void PrintTo(const Point& point, std::ostream* os) {
  *os << "(" << point.x << ", " << point.y << ")";
}

}  // namespace gesture
