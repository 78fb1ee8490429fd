#include <gtest/gtest.h>

#include <limits>
#include <numbers>
#include <ostream>
#include <vector>

#include "toolkit/gesture/recogniser_internals.h"

namespace gesture::internal {
namespace {

constexpr double pi = std::numbers::pi;

std::vector<std::size_t> nearestStrokePoints(const std::vector<Point>& stroke,
                                             const std::vector<Point>& targets) {
  NearestPointFinder finder;
  finder.assign(stroke);
  std::vector<std::size_t> nearest(targets.size(), 99);
  finder.nearestToEach(targets, nearest);
  return nearest;
}

TEST(NearestPointFinder, TakesTheEarliestOfEquallyNearPoints) {
  const std::vector<Point> stroke{{0, 5}, {5, 0}, {0, -5}};
  // (0,0) is 5 from all three; (1,0) is nearest to (5,0); (0,-4) to (0,-5).
  EXPECT_EQ(nearestStrokePoints(stroke, {{0, 0}, {1, 0}, {0, -4}}),
            (std::vector<std::size_t>{0, 1, 2}));
  // The same with the points in the other order.
  EXPECT_EQ(nearestStrokePoints({{0, -5}, {5, 0}, {0, 5}}, {{0, 0}, {1, 0}, {0, -4}}),
            (std::vector<std::size_t>{0, 1, 0}));
}

TEST(NearestPointFinder, LooksPastPointsThatAreNearInXOnly) {
  // In order of x the stroke runs (0,40) (9,0) (10,40) (11,40) (30,0); the
  // points beside x = 10 are far in y, the nearest lies 10 away in x.
  const std::vector<Point> stroke{{30, 0}, {11, 40}, {10, 40}, {0, 40}, {9, 0}};
  EXPECT_EQ(nearestStrokePoints(stroke, {{10, 0}, {25, 0}, {10, 39}, {-100, 40}, {100, 0}}),
            (std::vector<std::size_t>{4, 0, 2, 3, 0}));
}

TEST(NearestPointFinder, TiesAtEqualXGoToTheEarliest) {
  // Repeated and mirrored points: the first of equals in stroke order wins,
  // wherever sorting by x puts it.
  const std::vector<Point> stroke{{5, 5}, {5, -5}, {5, 5}, {-5, 5}, {5, -5}};
  EXPECT_EQ(nearestStrokePoints(stroke, {{5, 0}, {0, 5}, {0, 0}, {5, -4}}),
            (std::vector<std::size_t>{0, 0, 0, 1}));
}

TEST(NearestPointFinder, SearchesPointByPointBeyondTheFinite) {
  // A stroke whose normalisation overflowed: undefined distances never win,
  // so the first point stays nearest until a defined distance beats it.
  constexpr double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_EQ(nearestStrokePoints({{nan, 0}, {3, 0}, {1, 0}}, {{0, 0}}),
            (std::vector<std::size_t>{0}));
  EXPECT_EQ(nearestStrokePoints({{3, 0}, {nan, 0}, {1, 0}}, {{0, 0}}),
            (std::vector<std::size_t>{2}));
}

struct AgreementCase {
  double templateAngle;
  double strokeAngle;
  int margin;
  bool agree;
};

void PrintTo(const AgreementCase& c, std::ostream* os) {
  *os << "template " << c.templateAngle << ", stroke " << c.strokeAngle << ", margin "
      << c.margin;
}

class DirectionsAgree : public ::testing::TestWithParam<AgreementCase> {};

// With margin 24 the stroke may turn strictly less than 0.24 pi either way.
INSTANTIATE_TEST_SUITE_P(
    Angles, DirectionsAgree,
    ::testing::Values(AgreementCase{pi / 2, pi / 2, 24, true},
                      AgreementCase{pi / 2, pi / 2 + 0.23 * pi, 24, true},
                      AgreementCase{pi / 2, pi / 2 - 0.23 * pi, 24, true},
                      AgreementCase{pi / 2, pi / 2 + 0.25 * pi, 24, false},
                      AgreementCase{pi / 2, pi / 2 - 0.25 * pi, 24, false},
                      AgreementCase{pi / 2, -pi / 2, 24, false},
                      AgreementCase{pi / 2, pi / 2 + 0.44 * pi, 45, true},
                      // Exactly 0 always agrees; anything else near 0 is judged by angle.
                      AgreementCase{pi / 2, 0.0, 24, true},
                      AgreementCase{-pi / 2, 0.0, 24, true},
                      AgreementCase{pi / 2, 1e-9, 24, false}));

TEST_P(DirectionsAgree, WithinMarginOrExactlyZero) {
  const AgreementCase& c = GetParam();
  EXPECT_EQ(AgreeingDirections(c.templateAngle, c.margin).contain(c.strokeAngle), c.agree);
}

TEST(CountAgreeingDirections, LastTwoTemplatePointsShareTheFinalStep) {
  // A four-point leftward path; its steps all point at pi / 2.
  const TemplatePath path({{3, 0}, {2, 0}, {1, 0}, {0, 0}}, {30, 24});
  // (1,0) is nearest to the first three path points, (0.2,-0.9) to (0,0).
  // The step between them is atan2(0.8, 0.9) = 0.23 pi, outside pi/2 +- 0.24 pi.
  const std::vector<Point> stroke{{1, 0}, {0.2, -0.9}};
  const std::vector<std::size_t> nearest =
      nearestStrokePoints(stroke, {path.points().begin(), path.points().end()});
  ASSERT_EQ(nearest, (std::vector<std::size_t>{0, 0, 0, 1}));
  // Points 0 and 1 use steps 0-1 and 1-2; point 2 looks back at step 1-2 as
  // well. Those ends share one stroke point (angle 0, agreeing). Only point 3
  // uses step 2-3, which disagrees.
  EXPECT_EQ(countAgreeingDirections(stroke, path, nearest), 3);
}

TEST(CountAgreeingDirections, TellsAStepOfMinusZeroFromPlusZero) {
  // A downward path: its steps point at pi, and pi +- 0.24 pi agrees.
  const TemplatePath path({{0, 0}, {0, 1}, {0, 2}, {0, 3}}, {30, 24});
  // Each template point has its own stroke point. The steps are (0, -1),
  // whose angle is pi, except the last, (-0, -1), whose angle is -pi.
  const std::vector<Point> stroke{{0, 0}, {0, 1}, {-0.0, 2}, {0, 3}};
  EXPECT_EQ(countAgreeingDirections(stroke, path, std::vector<std::size_t>{0, 1, 2, 3}), 3);
}

TEST(TemplatePath, JudgesTheLastTwoPointsByTheStepsIntoThem) {
  // Steps of a bent path: right, right, then down (y growing).
  const TemplatePath path({{0, 0}, {1, 0}, {2, 0}, {2, 1}}, {30, 24});
  EXPECT_EQ(path.stepStart(0), 0u);
  EXPECT_EQ(path.stepStart(1), 1u);
  EXPECT_EQ(path.stepStart(2), 1u);
  EXPECT_EQ(path.stepStart(3), 2u);
  const double rightward = stepAngle({0, 0}, {1, 0});
  const double downward = stepAngle({2, 0}, {2, 1});
  EXPECT_DOUBLE_EQ(rightward, -pi / 2);
  EXPECT_DOUBLE_EQ(downward, pi);
  for (const std::size_t i : {0u, 1u, 2u}) {
    EXPECT_TRUE(path.agrees(i, rightward)) << i;
    EXPECT_FALSE(path.agrees(i, downward)) << i;
  }
  EXPECT_TRUE(path.agrees(3, downward));
  EXPECT_FALSE(path.agrees(3, rightward));
}

}  // namespace
}  // namespace gesture::internal
