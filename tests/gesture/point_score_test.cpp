#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <ostream>

#include "toolkit/gesture/recogniser_internals.h"

namespace gesture::internal {
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

TEST(TemplatePath, WithinRadiusIncludesTheBoundary) {
  const TemplatePath path({{0, 0}, {1, 0}, {2, 0}}, kStandard);
  EXPECT_TRUE(path.withinRadius(squaredDistance({0, 0}, {18, 24})));  // exactly 30 apart
  EXPECT_FALSE(path.withinRadius(squaredDistance({0, 0}, {18, 24.01})));
}

TEST(TemplatePath, ScoresOfKnownDistances) {
  const TemplatePath path({{0, 0}, {1, 0}, {2, 0}}, kStandard);
  EXPECT_EQ(path.score(0.0), 100);
  EXPECT_EQ(path.score(7.2 * 7.2), 100);
  EXPECT_EQ(path.score(18.6 * 18.6), 62);
  EXPECT_EQ(path.score(29.0 * 29.0), 27);  // 82 / 3
  EXPECT_EQ(path.score(30.0 * 30.0), 0);   // the margin itself does not count
  EXPECT_EQ(path.score(31.0 * 31.0), 0);
  EXPECT_EQ(path.score(std::numeric_limits<double>::infinity()), 0);
}

// Tolerances for the rules below: standard, wide, narrow, beyond the table of
// whole squared distances, a margin of 100 that nothing beats, no radius at
// all, and a (nonsensical) negative margin.
const Tolerance kTolerances[]{kStandard,  kWide,    Tolerance{10, 20}, Tolerance{90, 30},
                              {30, 100},  {0, 24},  {30, -40}};

// Whole squared distances are looked up, others worked out: both must give
// the counted score rounded half to even (or 0 if negative).
TEST(TemplatePath, ScoreIsTheRoundedCountedScoreAtEveryDistance) {
  for (const Tolerance tolerance : kTolerances) {
    const TemplatePath path({{0, 0}, {1, 0}, {2, 0}}, tolerance);
    const double radiusSquared = static_cast<double>(tolerance.radius) * tolerance.radius;
    for (double squared = 0; squared <= 1.2 * radiusSquared + 2; squared += 0.25) {
      const double counted = countedScore(std::sqrt(squared), tolerance);
      ASSERT_EQ(path.score(squared), std::max(0, static_cast<int>(std::nearbyint(counted))))
          << "radius " << tolerance.radius << ", margin " << tolerance.margin
          << ", squared distance " << squared;
    }
  }
}

// A point's best score is taken from its nearest partner alone, which is
// right only while no pair scores more than a nearer one.
TEST(TemplatePath, ScoreNeverRisesWithDistance) {
  for (const Tolerance tolerance : kTolerances) {
    const TemplatePath path({{0, 0}, {1, 0}, {2, 0}}, tolerance);
    int previous = path.score(0.0);
    for (double squared = 0; squared <= 10000; squared += 0.125) {
      const int score = path.score(squared);
      ASSERT_LE(score, previous) << "radius " << tolerance.radius << ", margin "
                                 << tolerance.margin << ", squared distance " << squared;
      previous = score;
    }
  }
}

TEST(TemplatePath, ScoresInFullWhileTheRoundedScoreIsFull) {
  const TemplatePath standard({{0, 0}, {1, 0}, {2, 0}}, kStandard);
  EXPECT_TRUE(standard.scoresInFull(0.0));
  EXPECT_TRUE(standard.scoresInFull(51.0));   // 7.14 apart, within 7.2
  EXPECT_TRUE(standard.scoresInFull(54.0));   // 7.35 apart: 99.51, rounded to 100
  EXPECT_FALSE(standard.scoresInFull(55.0));  // 7.42 apart: 99.28
  for (const Tolerance tolerance : kTolerances) {
    const TemplatePath path({{0, 0}, {1, 0}, {2, 0}}, tolerance);
    for (double squared = 0; squared <= 10000; squared += 0.5) {
      if (path.scoresInFull(squared)) {
        ASSERT_EQ(path.score(squared), 100) << squared;
      }
    }
  }
  // Where nothing beats the margin, nothing is ever settled.
  EXPECT_FALSE(TemplatePath({{0, 0}, {1, 0}, {2, 0}}, {30, 100}).scoresInFull(0.0));
}

TEST(ToleranceFor, UsesDeviationAndEffectiveMargin) {
  const Tolerance tolerance = toleranceFor(leftSwipeTemplate, 50);
  EXPECT_EQ(tolerance.radius, 30);
  EXPECT_EQ(tolerance.margin, 45);
}

}  // namespace
}  // namespace gesture::internal
