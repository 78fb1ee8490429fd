#pragma once

#include <vector>

#include "toolkit/gesture/point.h"
#include "toolkit/gesture/point_score.h"

namespace gesture {

// The four ways a normalised stroke is compared with an expanded template
// path, each from 0 to 100. The coverages are whole numbers; the two
// proportions of template points keep their fractions.
struct MatchMeasures {
  int strokeCoverage;
  int templateCoverage;
  double directionAgreement;
  double lineContact;
};

MatchMeasures measureMatch(const std::vector<Point>& stroke,
                           const std::vector<Point>& path, const Tolerance& tolerance);

}  // namespace gesture
