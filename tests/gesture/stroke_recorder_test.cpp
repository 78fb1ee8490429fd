#include "toolkit/gesture/stroke_recorder.h"

#include <gtest/gtest.h>

#include <ostream>

#include <string>
#include <vector>

#include "tests/gesture/point_printer.h"

namespace gesture {
namespace {

struct RecordingCase {
  std::string name;
  Point press;
  std::vector<Point> moves;
  std::vector<Point> expected;
};

void PrintTo(const RecordingCase& c, std::ostream* os) { *os << c.name; }

class Recording : public ::testing::TestWithParam<RecordingCase> {};

// Gap filling: each axis's rounded distance divided by 5, one less when it
// divides evenly; the larger count n gives the points last + e * delta / n,
// rounded, for e = 1 .. n - 1.
INSTANTIATE_TEST_SUITE_P(
    Moves, Recording,
    ::testing::Values(
        RecordingCase{"SubUnitMovesAreDropped", {10, 10},
                      {{10.9, 10.9}, {9.1, 10.5}, {12, 10}},
                      {{10, 10}, {12, 10}}},
        // 0.6 is dropped, so 1.2 is measured from 0, not from 0.6.
        RecordingCase{"DropMeasuresFromLastRecordedPoint", {0, 0},
                      {{0.6, 0}, {1.2, 0}},
                      {{0, 0}, {1.2, 0}}},
        RecordingCase{"AxisMovedLessThanOneUnitKeepsLastValue", {0, 0},
                      {{5, 0.7}, {5.5, 3}},
                      {{0, 0}, {5, 0}, {5, 3}}},
        RecordingCase{"GapOfSixIsNotFilled", {0, 0}, {{6, -6}}, {{0, 0}, {6, -6}}},
        // 7 / 5 = 1: a single part, nothing in between.
        RecordingCase{"GapOfSevenIsOnePart", {0, 0}, {{7, 0}}, {{0, 0}, {7, 0}}},
        // 10 / 5 = 2 with no remainder: one part.
        RecordingCase{"EvenMultipleOfFiveLosesAPart", {0, 0}, {{10, 0}}, {{0, 0}, {10, 0}}},
        // 20 -> 3 parts: 6.67 -> 7 and 13.33 -> 13.
        RecordingCase{"InsertedPointsAreRounded", {0, 0}, {{20, 0}},
                      {{0, 0}, {7, 0}, {13, 0}, {20, 0}}},
        // 33 -> 6 parts of 5.5: 5.5 -> 6, 16.5 -> 16, 27.5 -> 28.
        RecordingCase{"InsertedHalvesGoToEven", {0, 0}, {{33, 0}},
                      {{0, 0}, {6, 0}, {11, 0}, {16, 0}, {22, 0}, {28, 0}, {33, 0}}},
        // x: 15 -> 2 parts, y: 20 -> 3 parts; thirds of (15, -20).
        RecordingCase{"LargerAxisSetsTheParts", {0, 0}, {{15, -20}},
                      {{0, 0}, {5, -7}, {10, -13}, {15, -20}}},
        // 10.5 rounds to 10 (one part); 10.6 rounds to 11 (two parts, 5.3 -> 5).
        RecordingCase{"GapLengthRoundsHalfToEven", {0, 0}, {{10.5, 0}},
                      {{0, 0}, {10.5, 0}}},
        RecordingCase{"GapLengthRoundsUpAboveHalf", {0, 0}, {{10.6, 0}},
                      {{0, 0}, {5, 0}, {10.6, 0}}},
        // 20 - 11 / 2 = 14.5 -> 14.
        RecordingCase{"FillsLeftwardGaps", {20, 0}, {{9, 0}}, {{20, 0}, {14, 0}, {9, 0}}},
        // x moved 0.4 and keeps 10; y 15 -> 2 parts: 17.5 -> 18.
        RecordingCase{"KeptAxisStaysPutThroughTheFill", {10, 10}, {{10.4, 25}},
                      {{10, 10}, {10, 18}, {10, 25}}}),
    [](const auto& info) { return info.param.name; });

TEST_P(Recording, RecordsPressThenKeptMoves) {
  const RecordingCase& c = GetParam();
  StrokeRecorder recorder;
  recorder.press(c.press);
  for (const Point& move : c.moves) {
    recorder.move(move);
  }
  const std::optional<Stroke> stroke = recorder.release();
  ASSERT_TRUE(stroke.has_value());
  EXPECT_EQ(stroke->start, c.press);
  EXPECT_EQ(stroke->points, c.expected);
}

class StrokeLifecycle : public ::testing::Test {
 protected:
  StrokeRecorder recorder;
};

TEST_F(StrokeLifecycle, PressWithoutMovementIsNoStroke) {
  recorder.press({50, 50});
  EXPECT_FALSE(recorder.release().has_value());

  recorder.press({50, 50});
  recorder.move({50.5, 49.5});
  EXPECT_FALSE(recorder.release().has_value());
}

TEST_F(StrokeLifecycle, ReleaseClearsTheStroke) {
  recorder.press({0, 0});
  recorder.move({3, 0});
  ASSERT_TRUE(recorder.release().has_value());
  EXPECT_FALSE(recorder.release().has_value());

  // Moves after the release belong to no stroke.
  recorder.move({9, 0});
  EXPECT_FALSE(recorder.release().has_value());
}

TEST_F(StrokeLifecycle, MovesBeforeAPressAreIgnored) {
  recorder.move({40, 40});
  recorder.press({0, 0});
  recorder.move({3, 0});
  const std::optional<Stroke> stroke = recorder.release();
  ASSERT_TRUE(stroke.has_value());
  EXPECT_EQ(stroke->points, (std::vector<Point>{{0, 0}, {3, 0}}));
}

TEST_F(StrokeLifecycle, NewPressStartsAFreshStroke) {
  recorder.press({0, 0});
  recorder.move({3, 0});
  recorder.press({100, 100});
  recorder.move({100, 104});
  const std::optional<Stroke> stroke = recorder.release();
  ASSERT_TRUE(stroke.has_value());
  EXPECT_EQ(stroke->start, (Point{100, 100}));
  EXPECT_EQ(stroke->points, (std::vector<Point>{{100, 100}, {100, 104}}));
}

}  // namespace
}  // namespace gesture
