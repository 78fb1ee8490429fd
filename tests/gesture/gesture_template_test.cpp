#include "toolkit/gesture/gesture_template.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/gesture/point_printer.h"
#include "toolkit/gesture/recogniser_internals.h"

namespace gesture::internal {
namespace {

struct MarginCase {
  int sensitivity;
  int expected;
};

void PrintTo(const MarginCase& c, std::ostream* os) {
  *os << "Sensitivity " << c.sensitivity << " -> " << c.expected;
}

class EffectiveMargin : public ::testing::TestWithParam<MarginCase> {};

// ErrorMargin 20 plus (100 - Sensitivity)^2 / 100 rounded, capped at 100.
INSTANTIATE_TEST_SUITE_P(
    StandardErrorMargin, EffectiveMargin,
    ::testing::Values(MarginCase{80, 24},    // 20 + 400/100
                      MarginCase{100, 20},   // no widening
                      MarginCase{85, 22},    // 225/100 = 2.25 -> 2
                      MarginCase{65, 32},    // 1225/100 = 12.25 -> 12
                      MarginCase{50, 45},    // 2500/100 = 25
                      MarginCase{11, 99},    // 7921/100 = 79.21 -> 79
                      MarginCase{10, 100},   // 20 + 81 = 101, capped
                      MarginCase{1, 100},    // 20 + 98, capped
                      MarginCase{150, 20}),  // taken as 100, not (-50)^2
    [](const auto& info) { return "Sensitivity" + std::to_string(info.param.sensitivity); });

TEST_P(EffectiveMargin, WidensErrorMarginAsSensitivityFalls) {
  EXPECT_EQ(effectiveMargin(20, GetParam().sensitivity), GetParam().expected);
}

TEST(ExpandPath, SwipeTemplatesStepOneUnitFromStartToEnd) {
  const std::vector<Point> left = expandPath(leftSwipeTemplate);
  ASSERT_EQ(left.size(), 201u);
  for (std::size_t i = 0; i < left.size(); ++i) {
    EXPECT_EQ(left[i], (Point{200.0 - static_cast<double>(i), 0.0})) << i;
  }

  const std::vector<Point> right = expandPath(rightSwipeTemplate);
  ASSERT_EQ(right.size(), 201u);
  EXPECT_EQ(right.front(), (Point{0, 0}));
  EXPECT_EQ(right[1], (Point{1, 0}));
  EXPECT_EQ(right.back(), (Point{200, 0}));
}

TEST(StandardTemplates, LeftIsRegisteredBeforeRight) {
  const std::vector<GestureTemplate> templates = standardTemplates();
  ASSERT_EQ(templates.size(), 2u);
  EXPECT_EQ(templates[0].id, sgiLeft);
  EXPECT_EQ(templates[1].id, sgiRight);
  EXPECT_EQ(templateWidth(templates[0]), 200.0);
  EXPECT_EQ(templateWidth(templates[1]), 200.0);
}

}  // namespace
}  // namespace gesture::internal
