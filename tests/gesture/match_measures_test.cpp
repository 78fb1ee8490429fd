#include <gtest/gtest.h>

#include <vector>

#include "toolkit/gesture/gesture_template.h"
#include "toolkit/gesture/recogniser_internals.h"

namespace gesture::internal {
namespace {

constexpr Tolerance kStandard{30, 24};

MatchMeasures measure(const std::vector<Point>& stroke, const GestureTemplate& gestureTemplate) {
  Workspace workspace;
  return measureMatch(stroke, TemplatePath(expandPath(gestureTemplate), kStandard), workspace);
}

// Normalised leftward stroke from (200,0) to (0,0) in steps of `step`.
std::vector<Point> leftwardLine(int step) {
  std::vector<Point> stroke;
  for (int x = 200; x >= 0; x -= step) {
    stroke.push_back({static_cast<double>(x), 0});
  }
  return stroke;
}

void expectMeasures(const MatchMeasures& actual, const MatchMeasures& expected) {
  EXPECT_EQ(actual.strokeCoverage, expected.strokeCoverage);
  EXPECT_EQ(actual.templateCoverage, expected.templateCoverage);
  EXPECT_DOUBLE_EQ(actual.directionAgreement, expected.directionAgreement);
  EXPECT_DOUBLE_EQ(actual.lineContact, expected.lineContact);
}

// Rounded counted scores at distances 8 .. 29 (124 - 10 d / 3):
// 97 94 91 87 84 81 77 74 71 67 64 61 57 54 51 47 44 41 37 34 31 27.
constexpr int kSlopeScores = 1371;

TEST(MeasureMatch, DenseStrokeOnTheTemplateScoresFull) {
  expectMeasures(measure(leftwardLine(10), leftSwipeTemplate),
                 {100, 100, 100.0, 100.0});
}

TEST(MeasureMatch, ReversedDenseStrokeOnlyCoversTheEnds) {
  // Stroke (200,0), (190,0) .. (0,0) against the path (0,0) .. (200,0).
  // Stroke pass: the stroke index stays 0 until T[160], where it jumps to
  // (130,0). Points 200..160 score 100, 150 scores 91 (distance 10), 140
  // scores 57 (20), 130 scores 24, not counted: 648 / 21 = 30.
  // Template pass: the template index stays 0 until stroke point (30,0),
  // where it jumps to T[60]. T[0..37] score 100, T[38..59] are 8..29 away,
  // T[60] is 30 away: (3800 + 1371) / 201 = 25.
  // Directions: the nearest stroke points move right along the path, as it
  // does, or stay put: all agree.
  // Contacts: the template index reaches T[0] for the first 17 segments and
  // T[60] for the next two (the last is never used): 61 points.
  expectMeasures(measure(leftwardLine(10), rightSwipeTemplate),
                 {30, (3800 + kSlopeScores) / 201, 100.0, 100.0 * 61 / 201});
}

TEST(MeasureMatch, TemplatePassStallsAtAGapWiderThanTheDeviation) {
  // Stroke (200,0), (100,0), (0,0) against the left path. The stroke pass
  // reaches every stroke point, each of which sits on a template point: 100.
  // The template pass reaches T[30] at (200,0) and never gets further, since
  // T[31] is 69 from (100,0): T[0..7] score 100, T[8..29] the slope, T[30]
  // nothing: (800 + 1371) / 201 = 10. Only the first segment is used, and it
  // reaches T[0..30]: 31 contacts.
  expectMeasures(measure(leftwardLine(100), leftSwipeTemplate),
                 {100, (800 + kSlopeScores) / 201, 100.0, 100.0 * 31 / 201});
}

TEST(MeasureMatch, TwoPointStrokeHasNoLineContact) {
  // As above, but the middle point is gone: the only segment is the last.
  expectMeasures(measure(leftwardLine(200), leftSwipeTemplate),
                 {100, (800 + kSlopeScores) / 201, 100.0, 0.0});
}

TEST(MeasureMatch, RightwardStrokeDriftingUpAgreesInDirection) {
  // Each step of (10k, k) turns atan(1/10) = 0.03 pi away from the rightward
  // path, well inside the margin, and the nearest stroke points only move
  // forward along the stroke.
  std::vector<Point> stroke;
  for (int k = 0; k <= 20; ++k) {
    stroke.push_back({10.0 * k, static_cast<double>(k)});
  }
  EXPECT_DOUBLE_EQ(measure(stroke, rightSwipeTemplate).directionAgreement, 100.0);
}

TEST(MeasureMatch, ReusedWorkspaceKeepsNothingFromTheStrokeBefore) {
  // Full scores and contacts from the dense strokes must not leak into the
  // sparse ones, nor the other way round.
  const TemplatePath path(expandPath(leftSwipeTemplate), kStandard);
  Workspace reused;
  for (const int step : {1, 100, 10, 200, 1}) {
    Workspace fresh;
    expectMeasures(measureMatch(leftwardLine(step), path, reused),
                   measureMatch(leftwardLine(step), path, fresh));
  }
}

}  // namespace
}  // namespace gesture::internal
