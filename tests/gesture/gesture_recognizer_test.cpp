#include "toolkit/gesture/gesture_recognizer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

#include "tests/gesture/evaluate_stroke.h"
#include "toolkit/gesture/stroke_recorder.h"

namespace gesture {
namespace {

int scoreStroke(const std::vector<Point>& stroke, const GestureTemplate& gestureTemplate,
                int Sensitivity) {
  return internal::evaluateStroke(stroke, gestureTemplate, Sensitivity).score;
}

struct Drag {
  std::string name;
  Point from;
  Point to;
  int moves;
  double wander;  // largest vertical offset from the straight line, in pixels
};

// Drags the pointer from `from` to `to` in equal steps at whole-pixel
// positions, wandering up and down twice along the way, and returns what the
// recorder keeps.
std::vector<Point> recordDrag(const Drag& drag) {
  StrokeRecorder recorder;
  recorder.press(drag.from);
  for (int m = 1; m <= drag.moves; ++m) {
    const double along = static_cast<double>(m) / drag.moves;
    const double wave = drag.wander * std::sin(along * 4 * std::numbers::pi);
    recorder.move({std::round(drag.from.x + (drag.to.x - drag.from.x) * along),
                   std::round(drag.from.y + (drag.to.y - drag.from.y) * along + wave)});
  }
  return recorder.release().value().points;
}

struct StrokeCase {
  Drag drag;
  int expected;
};

void PrintTo(const StrokeCase& c, std::ostream* os) { *os << c.drag.name; }

class RecogniseStroke : public ::testing::TestWithParam<StrokeCase> {};

const std::vector<StrokeCase> kLeftSwipes{
    {{"LeftLong", {600, 240}, {100, 240}, 40, 0}, sgiLeft},
    {{"LeftWandering", {500, 200}, {200, 200}, 30, 3}, sgiLeft},
    {{"LeftShort", {130, 300}, {100, 300}, 10, 1}, sgiLeft},
    // Few, far-apart moves: the recorder fills the gaps.
    {{"LeftFastAndSlightlyDownhill", {600, 240}, {150, 248}, 5, 0}, sgiLeft},
};
const std::vector<StrokeCase> kRightSwipes{
    {{"RightLong", {100, 240}, {600, 240}, 40, 0}, sgiRight},
    {{"RightWandering", {200, 200}, {500, 200}, 30, 3}, sgiRight},
    {{"RightShort", {100, 300}, {130, 300}, 10, 1}, sgiRight},
    {{"RightFastAndSlightlyUphill", {150, 248}, {600, 240}, 5, 0}, sgiRight},
};
// Strokes that rise or fall far more than the templates' deviation leave
// most of their points unscored.
const std::vector<StrokeCase> kNonSwipes{
    {{"MostlyVertical", {300, 400}, {305, 100}, 30, 0}, 0},
    {{"VerticalWandering", {300, 100}, {300, 400}, 30, 4}, 0},
    {{"Diagonal", {100, 100}, {300, 300}, 40, 0}, 0},
    // A single move of six pixels: nothing is filled in, two points remain.
    {{"TwoPointTwitch", {300, 200}, {294, 200}, 1, 0}, 0},
};

std::string caseName(const ::testing::TestParamInfo<StrokeCase>& info) {
  return info.param.drag.name;
}

INSTANTIATE_TEST_SUITE_P(Left, RecogniseStroke, ::testing::ValuesIn(kLeftSwipes), caseName);
INSTANTIATE_TEST_SUITE_P(Right, RecogniseStroke, ::testing::ValuesIn(kRightSwipes), caseName);
INSTANTIATE_TEST_SUITE_P(Other, RecogniseStroke, ::testing::ValuesIn(kNonSwipes), caseName);

TEST_P(RecogniseStroke, WithTheStandardTemplates) {
  EXPECT_EQ(GestureRecognizer().recognise(recordDrag(GetParam().drag)), GetParam().expected);
}

class OppositeSwipe : public ::testing::TestWithParam<StrokeCase> {};

INSTANTIATE_TEST_SUITE_P(Left, OppositeSwipe, ::testing::ValuesIn(kLeftSwipes), caseName);
INSTANTIATE_TEST_SUITE_P(Right, OppositeSwipe, ::testing::ValuesIn(kRightSwipes), caseName);

// A steady swipe never matches the template for the other direction, even
// when that template is the only one registered.
TEST_P(OppositeSwipe, NeverMatchesTheReverseTemplate) {
  const GestureTemplate reverse =
      GetParam().expected == sgiLeft ? rightSwipeTemplate : leftSwipeTemplate;
  EXPECT_EQ(GestureRecognizer({reverse}).recognise(recordDrag(GetParam().drag)), 0);
}

TEST(RecogniseStroke, StrokeReducedToTwoDistinctPointsIsNoGesture) {
  // Scaled by 2/3 and rounded, this is (200,0), (200,0), (0,0), (0,0).
  const std::vector<Point> stroke{{400, 100}, {399.6, 100}, {100, 100}, {100.2, 100}};
  for (const GestureTemplate& swipe : standardTemplates()) {
    const internal::Evaluation evaluation =
        internal::evaluateStroke(stroke, swipe, defaultSensitivity);
    EXPECT_EQ(evaluation.measures.lineContact, 0.0) << swipe.id;
    EXPECT_EQ(evaluation.score, 0) << swipe.id;
  }
  EXPECT_EQ(GestureRecognizer().recognise(stroke), 0);
}

TEST(RecogniseStroke, ACopyRecognisesAlike) {
  const GestureRecognizer onlyRight({rightSwipeTemplate});
  GestureRecognizer copy = onlyRight;
  const std::vector<Point> left = recordDrag(kLeftSwipes.front().drag);
  const std::vector<Point> right = recordDrag(kRightSwipes.front().drag);
  EXPECT_EQ(copy.recognise(left), 0);
  EXPECT_EQ(copy.recognise(right), sgiRight);
  copy = GestureRecognizer();
  EXPECT_EQ(copy.recognise(left), sgiLeft);
  EXPECT_EQ(onlyRight.recognise(left), 0);
}

TEST(RecogniseStroke, FewerThanTwoPointsIsNoGesture) {
  EXPECT_EQ(GestureRecognizer().recognise({}), 0);
  EXPECT_EQ(GestureRecognizer().recognise({{10, 10}}), 0);
}

TEST(RecogniseStroke, LowestSensitivityRecognisesNothing) {
  // At Sensitivity 1 the margin is capped at 100: no point score can beat
  // it, both coverages are 0, and 0 is at most the cut of 0.
  const std::vector<Point> swipe = recordDrag(kLeftSwipes.front().drag);
  EXPECT_EQ(GestureRecognizer(standardTemplates(), 100).recognise(swipe), sgiLeft);
  EXPECT_EQ(GestureRecognizer(standardTemplates(), 1).recognise(swipe), 0);
}

class TemplateOrder : public ::testing::Test {
 protected:
  // A dense, straight left swipe.
  const std::vector<Point> swipe = recordDrag({"Left", {400, 200}, {200, 200}, 20, 0});
  // The left swipe lifted 10 units: every point is at least 10 away from the
  // stroke, so it matches, but with less than the full score of sgiLeft.
  static constexpr GestureTemplate kLiftedLeft{5, {200, 10}, {0, 10}, 30, 20};
};

TEST_F(TemplateOrder, LiftedTemplateMatchesLessWell) {
  const int lifted = scoreStroke(swipe, kLiftedLeft, defaultSensitivity);
  EXPECT_GT(lifted, 76);
  EXPECT_LT(lifted, scoreStroke(swipe, leftSwipeTemplate, defaultSensitivity));
  EXPECT_EQ(GestureRecognizer({kLiftedLeft}).recognise(swipe), kLiftedLeft.id);
}

TEST_F(TemplateOrder, HighestResultWinsInEitherOrder) {
  EXPECT_EQ(GestureRecognizer({kLiftedLeft, leftSwipeTemplate}).recognise(swipe), sgiLeft);
  EXPECT_EQ(GestureRecognizer({leftSwipeTemplate, kLiftedLeft}).recognise(swipe), sgiLeft);
}

TEST_F(TemplateOrder, TieKeepsTheEarlierTemplate) {
  GestureTemplate first = leftSwipeTemplate;
  first.id = 7;
  GestureTemplate second = leftSwipeTemplate;
  second.id = 9;
  EXPECT_EQ(GestureRecognizer({first, second}).recognise(swipe), 7);
  EXPECT_EQ(GestureRecognizer({second, first}).recognise(swipe), 9);
}

}  // namespace
}  // namespace gesture
