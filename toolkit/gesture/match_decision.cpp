#include "toolkit/gesture/match_decision.h"

#include <algorithm>
#include <array>

namespace gesture {

int decideMatch(const MatchMeasures& measures, int margin) {
  const std::array<double, 4> values{
      static_cast<double>(measures.strokeCoverage),
      static_cast<double>(measures.templateCoverage), measures.directionAgreement,
      measures.lineContact};
  const int threshold = 100 - margin;
  const auto above = [threshold](double value) { return value > threshold; };

  if (std::all_of(values.begin(), values.end(), above)) {
    return static_cast<int>(*std::min_element(values.begin(), values.end()));
  }
  const int cut = threshold / 4;
  if (std::any_of(values.begin(), values.end(),
                  [cut](double value) { return value <= cut; })) {
    return 0;
  }

  double aboveSum = 0.0;
  double belowSum = 0.0;
  int aboveCount = 0;
  int belowCount = 0;
  for (const double value : values) {
    if (above(value)) {
      aboveSum += value;
      ++aboveCount;
    } else {
      belowSum += value;
      ++belowCount;
    }
  }
  if (aboveCount == 0 || belowCount == 0) {
    return 0;
  }
  const int result =
      static_cast<int>((aboveSum / aboveCount + belowSum / belowCount) / 2.0);
  return result > threshold ? result : 0;
}

}  // namespace gesture
