#include "toolkit/gesture/direction_agreement.h"

#include <gtest/gtest.h>

#include <ostream>

#include <numbers>

namespace gesture {
namespace {

constexpr double pi = std::numbers::pi;

TEST(NearestStrokePoints, TakesTheEarliestOfEquallyNearPoints) {
  const std::vector<Point> stroke{{0, 5}, {5, 0}, {0, -5}};
  // (0,0) is 5 from all three; (1,0) is nearest to (5,0); (0,-4) to (0,-5).
  const std::vector<Point> path{{0, 0}, {1, 0}, {0, -4}};
  EXPECT_EQ(nearestStrokePoints(stroke, path), (std::vector<std::size_t>{0, 1, 2}));
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
  EXPECT_EQ(directionsAgree(c.templateAngle, c.strokeAngle, c.margin), c.agree);
}

TEST(CountAgreeingDirections, LastTwoTemplatePointsShareTheFinalStep) {
  // A four-point leftward path; its steps all point at pi / 2.
  const std::vector<Point> path{{3, 0}, {2, 0}, {1, 0}, {0, 0}};
  // (1,0) is nearest to the first three path points, (0.2,-0.9) to (0,0).
  // The step between them is atan2(0.8, 0.9) = 0.23 pi, outside pi/2 +- 0.24 pi.
  const std::vector<Point> stroke{{1, 0}, {0.2, -0.9}};
  // Points 0 and 1 use steps 0-1 and 1-2; point 2 looks back at step 1-2 as
  // well. Those ends share one stroke point (angle 0, agreeing). Only point 3
  // uses step 2-3, which disagrees.
  EXPECT_EQ(countAgreeingDirections(stroke, path, 24), 3);
}

}  // namespace
}  // namespace gesture
