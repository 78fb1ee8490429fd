#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "toolkit/gesture/recogniser_internals.h"

namespace gesture::internal {
namespace {

struct DecisionCase {
  std::string name;
  MatchMeasures measures;
  int margin;
  int expected;
};

void PrintTo(const DecisionCase& c, std::ostream* os) { *os << c.name; }

class DecideMatch : public ::testing::TestWithParam<DecisionCase> {};

// Margin 24: threshold 76, cut 19. Margin 45: threshold 55, cut 55/4 -> 13.
// Margin 20: threshold 80, cut 20.
INSTANTIATE_TEST_SUITE_P(
    Measures, DecideMatch,
    ::testing::Values(
        DecisionCase{"AllFull", {100, 100, 100.0, 100.0}, 24, 100},
        DecisionCase{"AllAboveGivesSmallestCut", {90, 80, 77.9, 99.0}, 24, 77},
        DecisionCase{"AtTheCutIsZero", {100, 100, 100.0, 19.0}, 24, 0},
        // (100 + 60) / 2; the mean of all four would be 90.
        DecisionCase{"MeanOfGroupMeans", {100, 100, 100.0, 60.0}, 24, 80},
        // A measure equal to the threshold is not above it: (100 + 76) / 2.
        DecisionCase{"ThresholdBelongsBelow", {100, 76, 100.0, 100.0}, 24, 88},
        // (93.33 + 60) / 2 = 76.67 -> 76, not above the threshold.
        DecisionCase{"MeanAtThresholdIsZero", {100, 100, 80.0, 60.0}, 24, 0},
        DecisionCase{"NothingAboveIsZero", {70, 70, 70.0, 70.0}, 24, 0},
        // With a wide margin the cut decides where the mean would pass:
        // (100 + 13) / 2 = 56.5 would exceed 55.
        DecisionCase{"WideMarginCut", {100, 100, 100.0, 13.0}, 45, 0},
        // The quarter of 55 is cut to 13, so 13.5 is above it: (100 + 13.5) / 2.
        DecisionCase{"CutIsAWholeNumber", {100, 100, 100.0, 13.5}, 45, 56},
        DecisionCase{"WideMarginMean", {100, 100, 100.0, 14.0}, 45, 57},
        DecisionCase{"HighSensitivityThreshold", {100, 100, 100.0, 80.0}, 20, 90}),
    [](const auto& info) { return info.param.name; });

TEST_P(DecideMatch, CombinesTheFourMeasures) {
  const DecisionCase& c = GetParam();
  EXPECT_EQ(decideMatch(c.measures, c.margin), c.expected);
}

}  // namespace
}  // namespace gesture::internal
