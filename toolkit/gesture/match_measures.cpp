#include "toolkit/gesture/match_measures.h"

#include <algorithm>

#include "toolkit/gesture/coverage_passes.h"
#include "toolkit/gesture/direction_agreement.h"
#include "toolkit/rounding.h"

namespace gesture {
namespace {

// The mean of the rounded best scores, by whole-number division.
int coverageOf(const std::vector<double>& bestScores) {
  long long sum = 0;
  for (const double score : bestScores) {
    sum += static_cast<long long>(toolkit::RoundHalfEven(score));
  }
  return static_cast<int>(sum / static_cast<long long>(bestScores.size()));
}

double percentOfPath(long long count, const std::vector<Point>& path) {
  return 100.0 * static_cast<double>(count) / static_cast<double>(path.size());
}

}  // namespace

MatchMeasures measureMatch(const std::vector<Point>& stroke,
                           const std::vector<Point>& path, const Tolerance& tolerance) {
  const Coverage coverage = measureCoverage(stroke, path, tolerance);
  const auto contacts = std::count(coverage.templateContact.begin(),
                                   coverage.templateContact.end(), true);
  return {coverageOf(coverage.strokeBest), coverageOf(coverage.templateBest),
          percentOfPath(countAgreeingDirections(stroke, path, tolerance.margin), path),
          percentOfPath(contacts, path)};
}

}  // namespace gesture
