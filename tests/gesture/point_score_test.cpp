#include "toolkit/gesture/point_score.h"

#include <gtest/gtest.h>

#include <ostream>

namespace gesture {
namespace {

constexpr Tolerance kStandard{30, 24};  // Deviation 30 at Sensitivity 80
constexpr Tolerance kWide{30, 45};      // Deviation 30 at Sensitivity 50

struct ScoreCase {
  Tolerance tolerance;
  double distance;
  double score;
  double counted;
};

void PrintTo(const ScoreCase& c, std::ostream* os) {
  *os << "margin " << c.tolerance.margin << ", distance " << c.distance;
}

class PointScore : public ::testing::TestWithParam<ScoreCase> {};

// Full score up to 30 * margin / 100, then linear down to the margin at 30.
INSTANTIATE_TEST_SUITE_P(
    Distances, PointScore,
    ::testing::Values(ScoreCase{kStandard, 0.0, 100.0, 100.0},
                      ScoreCase{kStandard, 7.2, 100.0, 100.0},
                      ScoreCase{kStandard, 18.6, 62.0, 62.0},  // midway to 24
                      // 100 - 76 * 21.8 / 22.8 = 82 / 3, just above the margin
                      ScoreCase{kStandard, 29.0, 82.0 / 3.0, 82.0 / 3.0},
                      ScoreCase{kStandard, 30.0, 24.0, 0.0},  // equals the margin: not counted
                      ScoreCase{kStandard, 30.01, 0.0, 0.0},
                      ScoreCase{kWide, 13.5, 100.0, 100.0},
                      ScoreCase{kWide, 21.75, 72.5, 72.5},  // midway to 45
                      ScoreCase{kWide, 30.0, 45.0, 0.0}));

TEST_P(PointScore, FallsLinearlyAndCountsOnlyAboveTheMargin) {
  const ScoreCase& c = GetParam();
  EXPECT_NEAR(pointScore(c.distance, c.tolerance), c.score, 1e-9);
  EXPECT_NEAR(countedScore(c.distance, c.tolerance), c.counted, 1e-9);
}

TEST(WithinRadius, IncludesTheBoundary) {
  EXPECT_TRUE(withinRadius({0, 0}, {18, 24}, kStandard));  // exactly 30 apart
  EXPECT_FALSE(withinRadius({0, 0}, {18, 24.01}, kStandard));
}

TEST(ToleranceFor, UsesDeviationAndEffectiveMargin) {
  const Tolerance tolerance = toleranceFor(leftSwipeTemplate, 50);
  EXPECT_EQ(tolerance.radius, 30);
  EXPECT_EQ(tolerance.margin, 45);
}

}  // namespace
}  // namespace gesture
