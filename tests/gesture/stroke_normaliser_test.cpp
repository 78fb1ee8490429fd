#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/gesture/point_printer.h"
#include "toolkit/gesture/recogniser_internals.h"

namespace gesture::internal {
namespace {

struct NormaliseCase {
  std::string name;
  std::vector<Point> stroke;
  std::vector<Point> expected;
};

void PrintTo(const NormaliseCase& c, std::ostream* os) { *os << c.name; }

class NormaliseStroke : public ::testing::TestWithParam<NormaliseCase> {};

INSTANTIATE_TEST_SUITE_P(
    ToWidth200, NormaliseStroke,
    ::testing::Values(
        // x span 2 is stretched by 100; y keeps its units.
        NormaliseCase{"StretchesOnlyX", {{10, 7}, {11, 8}, {12, 7}},
                      {{0, 0}, {100, 1}, {200, 0}}},
        // Span 200: 0.2 rounds to 0 and repeats the first point.
        NormaliseCase{"DropsRepeatsAfterRounding", {{100, 50}, {100.2, 50}, {300, 50}},
                      {{0, 0}, {200, 0}}},
        // Span 400 halves x: 0.5 -> 0, 1.5 -> 2, 2.5 -> 2.
        NormaliseCase{"ScaledHalvesGoToEven", {{0, 0}, {1, 0}, {3, 0}, {5, 0}, {400, 0}},
                      {{0, 0}, {2, 0}, {200, 0}}},
        // y 0.5 -> 0 and 3.5 -> 4; the return to (0, 0) is not a repeat of
        // the point just before it, so it stays.
        NormaliseCase{"OnlyConsecutiveRepeatsAreDropped", {{0, 0.5}, {0, 3.5}, {0, 0}},
                      {{0, 0}, {0, 4}, {0, 0}}},
        // No width: x is left unscaled.
        NormaliseCase{"VerticalStrokeKeepsX", {{5, 30}, {5, 10}, {5, 20}},
                      {{0, 20}, {0, 0}, {0, 10}}}),
    [](const auto& info) { return info.param.name; });

TEST_P(NormaliseStroke, MovesToOriginScalesRoundsAndDropsRepeats) {
  std::vector<Point> normalised{{7, 7}};  // what an earlier stroke left behind
  normaliseStroke(GetParam().stroke, 200.0, normalised);
  EXPECT_EQ(normalised, GetParam().expected);
}

}  // namespace
}  // namespace gesture::internal
