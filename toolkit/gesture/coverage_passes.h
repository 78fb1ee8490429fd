#pragma once

#include <vector>

#include "toolkit/gesture/point.h"
#include "toolkit/gesture/point_score.h"

namespace gesture {

// Best counted point score of every stroke point and every template point,
// and which template points some stroke line passes close to.
struct Coverage {
  std::vector<double> strokeBest;
  std::vector<double> templateBest;
  std::vector<bool> templateContact;
};

// Walks the template against the stroke and the stroke against the template.
// Each walk only moves forward through the other path while its next point is
// within the radius, so a point is only scored against the part of the other
// path reached so far.
Coverage measureCoverage(const std::vector<Point>& stroke,
                         const std::vector<Point>& path, const Tolerance& tolerance);

}  // namespace gesture
