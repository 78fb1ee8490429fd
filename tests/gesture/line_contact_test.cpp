#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "toolkit/gesture/recogniser_internals.h"

namespace gesture::internal {
namespace {

struct ContactCase {
  std::string name;
  Point a, b, centre;
  double radius;
  bool cuts;
};

void PrintTo(const ContactCase& c, std::ostream* os) { *os << c.name; }

class LineThroughPoints : public ::testing::TestWithParam<ContactCase> {};

INSTANTIATE_TEST_SUITE_P(
    Lines, LineThroughPoints,
    ::testing::Values(
        ContactCase{"CloserThanRadius", {0, 0}, {10, 0}, {5, 29}, 30, true},
        ContactCase{"TangentIsNoContact", {0, 0}, {10, 0}, {5, 30}, 30, false},
        ContactCase{"FartherThanRadius", {0, 0}, {10, 0}, {5, -31}, 30, false},
        // The line runs on beyond the two points.
        ContactCase{"LineIsInfinite", {0, 0}, {10, 0}, {500, 20}, 30, true},
        ContactCase{"LineIsInfiniteBackwards", {0, 0}, {10, 0}, {-500, -20}, 30, true},
        // The line through (0,0) and (3,4) passes (4,-3) at distance 5.
        ContactCase{"SlopedTangent", {0, 0}, {3, 4}, {4, -3}, 5, false},
        ContactCase{"SlopedCut", {3, 4}, {0, 0}, {4, -3}, 5.01, true}),
    [](const auto& info) { return info.param.name; });

TEST_P(LineThroughPoints, CutsACircleInTwoPointsOnly) {
  const ContactCase& c = GetParam();
  EXPECT_EQ(LineThrough(c.a, c.b, c.radius).cutsCircleAround(c.centre), c.cuts);
}

}  // namespace
}  // namespace gesture::internal
