#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/recording_window_events.h"
#include "toolkit/platform/web/mouse_tracker.h"
#include "toolkit/platform/web/page_events.h"

namespace {

using testing::ElementsAreArray;
using toolkit::platform::web::kLeftButtonBit;
using toolkit::platform::web::kMiddleButtonBit;
using toolkit::platform::web::kRightButtonBit;
using toolkit::platform::web::MouseTracker;

// One report of the page: where the mouse is, the buttons held, when, and whether it moved;
// or that the mouse was cancelled.
struct Report {
  double x;
  double y;
  int buttons;
  double timeMs;
  bool moved;
  bool cancelled = false;
};
constexpr Report kCancel{0, 0, 0, 0, false, true};

struct TrackerCase {
  const char* name;
  std::vector<Report> reports;
  std::vector<std::string> expected;
};
void PrintTo(const TrackerCase& c, std::ostream* out) { *out << c.name; }

class MouseTrackerCases : public testing::TestWithParam<TrackerCase> {};

TEST_P(MouseTrackerCases, DeliversEachButtonOnceAsTheWindowSystemWould) {
  RecordingWindowEvents events;
  MouseTracker tracker(events);
  for (const Report& report : GetParam().reports) {
    if (report.cancelled) {
      tracker.Cancelled();
    } else {
      tracker.Report({report.x, report.y}, report.buttons, report.timeMs, report.moved);
    }
  }
  EXPECT_THAT(events.log, ElementsAreArray(GetParam().expected));
}

constexpr int kLeft = kLeftButtonBit;
constexpr int kRight = kRightButtonBit;
constexpr int kMiddle = kMiddleButtonBit;

INSTANTIATE_TEST_SUITE_P(
    Reports, MouseTrackerCases,
    testing::Values(
        TrackerCase{"PressMoveRelease",
                    {{10, 20, kLeft, 0, false}, {30, 40, kLeft, 16, true}, {31, 41, 0, 32, false}},
                    {"press Left 10,20", "move 30,40", "release Left 31,41"}},
        TrackerCase{"MovesWithNoButtonOnlyMove", {{5, 5, 0, 0, true}, {6, 5, 0, 10, true}}, {"move 5,5", "move 6,5"}},
        // Pointer Events tell of a second button only as a move with other buttons held.
        TrackerCase{"AChordedButtonIsPressedAndReleasedOnItsOwn",
                    {{10, 10, kLeft, 0, false},
                     {12, 10, kLeft | kRight, 50, true},
                     {14, 10, kLeft, 100, true},
                     {14, 10, 0, 150, false}},
                    {"press Left 10,10", "move 12,10", "press Right 12,10", "release Right 14,10", "move 14,10",
                     "release Left 14,10"}},
        // A release outside the page that never arrived is made good by the next report.
        TrackerCase{"ALostReleaseArrivesWithTheNextReport",
                    {{10, 10, kLeft, 0, false}, {300, 200, 0, 900, true}},
                    {"press Left 10,10", "release Left 300,200", "move 300,200"}},
        TrackerCase{"TwoQuickPressesCloseTogetherAreADoubleClick",
                    {{10, 10, kLeft, 0, false}, {10, 10, 0, 80, false}, {12, 13, kLeft, 300, false},
                     {12, 13, 0, 380, false}},
                    {"press Left 10,10", "release Left 10,10", "double Left 12,13", "release Left 12,13"}},
        TrackerCase{"AThirdPressStartsAgain",
                    {{10, 10, kLeft, 0, false}, {10, 10, 0, 50, false}, {10, 10, kLeft, 100, false},
                     {10, 10, 0, 150, false}, {10, 10, kLeft, 200, false}},
                    {"press Left 10,10", "release Left 10,10", "double Left 10,10", "release Left 10,10",
                     "press Left 10,10"}},
        TrackerCase{"ASlowSecondPressIsAPress",
                    {{10, 10, kLeft, 0, false}, {10, 10, 0, 50, false}, {10, 10, kLeft, 501, false}},
                    {"press Left 10,10", "release Left 10,10", "press Left 10,10"}},
        TrackerCase{"ASecondPressFurtherAwayIsAPress",
                    {{10, 10, kLeft, 0, false}, {10, 10, 0, 50, false}, {15, 10, kLeft, 100, false}},
                    {"press Left 10,10", "release Left 10,10", "press Left 15,10"}},
        // The browser cancelled the pointer, or the page lost its capture, with the button held.
        TrackerCase{"ACancelledPressLosesTheCaptureAndItsLaterReleaseIsOneRelease",
                    {{10, 10, kLeft, 0, false}, kCancel, {20, 10, kLeft, 16, true}, {20, 10, 0, 32, false}},
                    {"press Left 10,10", "capture lost", "move 20,10", "release Left 20,10"}},
        TrackerCase{"ACancelWithNoButtonHeldIsNoLoss", {{5, 5, 0, 0, true}, kCancel}, {"move 5,5"}},
        TrackerCase{"PressesOfOtherButtonsMakeNoDoubleClick",
                    {{10, 10, kLeft, 0, false}, {10, 10, 0, 50, false}, {10, 10, kMiddle, 100, false},
                     {10, 10, 0, 150, false}},
                    {"press Left 10,10", "release Left 10,10", "press Middle 10,10", "release Middle 10,10"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(MouseTracker, LeavingThePageIsTold) {
  RecordingWindowEvents events;
  MouseTracker tracker(events);
  tracker.Left();
  EXPECT_THAT(events.log, ElementsAreArray({"leave"}));
}

}  // namespace
