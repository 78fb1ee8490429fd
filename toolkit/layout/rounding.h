#pragma once

#include <cmath>

namespace toolkit {

// Rounds to the nearest whole number, halves going to the even neighbour, whatever the
// floating-point rounding mode.
inline double RoundHalfEven(double value) {
  // value - trunc(value) is exact, so a half is recognised exactly.
  if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
  return std::round(value);
}

inline int RoundToInt(double value) { return static_cast<int>(RoundHalfEven(value)); }

}  // namespace toolkit
