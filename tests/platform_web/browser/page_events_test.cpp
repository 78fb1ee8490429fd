#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "tests/platform_web/browser/browser_runner.h"
#include "tests/platform_web/browser/page_values.h"
#include "tests/platform_web/browser/test_platform.h"
#include "tests/support/recording_window_events.h"

namespace {

using namespace browser_tests;
using testing::ElementsAre;
using toolkit::platform::Platform;

constexpr int kIntervalMs = 20;

int Count(const std::vector<std::string>& log, std::string_view prefix) {
  return static_cast<int>(
      std::count_if(log.begin(), log.end(), [&](const std::string& line) { return line.starts_with(prefix); }));
}

// The page's listeners only queue what they see; the loop hands it on, in order, and looks at
// its condition after each event, so that the events after the one that ended a slide are left
// to the loop outside it.
class PageEventsTest : public testing::Test {
 protected:
  void SetUp() override {
    window_->Show();
    TestPlatform().ProcessPendingMessages();
    events_.log.clear();
  }

  RecordingWindowEvents events_;
  std::unique_ptr<toolkit::platform::Window> window_ = TestPlatform().CreateWindow(events_);
};

TEST_F(PageEventsTest, ArriveInOrderOnlyWhenTheLoopTakesThemAndOneAtATime) {
  Perform({MouseMove(10, 20), MouseDown(), MouseUp(), Key("Enter"), MouseMove(12, 20)});
  EXPECT_THAT(events_.log, testing::IsEmpty()) << "nothing reaches the window outside the loop";

  TestPlatform().ProcessMessagesUntil([&] { return Count(events_.log, "press") > 0; });
  EXPECT_THAT(events_.log, ElementsAre("move 10,20", "press Left 10,20"));

  TestPlatform().ProcessPendingMessages();
  EXPECT_THAT(events_.log,
              ElementsAre("move 10,20", "press Left 10,20", "release Left 10,20", "key Enter", "move 12,20"));
}

TEST_F(PageEventsTest, PendingOnesAreDispatchedWithoutWaitingForMore) {
  PageValue("dispatchEvent(new KeyboardEvent('keydown', {key: 'Escape'}))");

  TestPlatform().ProcessPendingMessages();
  EXPECT_THAT(events_.log, ElementsAre("key Escape"));
  const double start = TestPlatform().Now();
  TestPlatform().ProcessPendingMessages();  // nothing left: returns rather than waits
  EXPECT_LT(TestPlatform().Now() - start, 0.5);
}

// A slide's nested loop, with the mouse moving all the while.
TEST_F(PageEventsTest, NestedProcessingEndsWhenItsConditionHoldsWhileInputKeepsArriving) {
  Platform& platform = TestPlatform();
  const int stroke = Post({Drag({20, 100}, {300, 100}, 800)});
  ProcessUntil([&] { return Count(events_.log, "move") >= 3; });
  int ticks = 0;
  auto timer = platform.StartTimer(kIntervalMs, [&] { ++ticks; });
  const int movesBefore = Count(events_.log, "move");

  platform.ProcessMessagesUntil([&] { return ticks >= 10; });
  const int ticksOnReturn = ticks;
  const int movesOnReturn = Count(events_.log, "move");
  timer.reset();
  Await(stroke);
  ProcessUntil([&] { return Count(events_.log, "release") > 0; });

  EXPECT_EQ(ticksOnReturn, 10) << "returned as soon as its condition held";
  EXPECT_GT(movesOnReturn - movesBefore, 3) << "input was handled inside";
  EXPECT_GT(Count(events_.log, "move"), movesOnReturn) << "the stroke went on after it returned";
  EXPECT_EQ(events_.log.front(), "move 20,100");
  EXPECT_EQ(Count(events_.log, "press"), 1);
  EXPECT_EQ(events_.log.back(), "release Left 300,100") << "nothing lost or out of order";
}

// A hidden tab's timers are woken once a second at most; the loop must go on all the same.
TEST_F(PageEventsTest, TheLoopGoesOnInAHiddenPage) {
  Platform& platform = TestPlatform();
  int ticks = 0;
  const auto timer = platform.StartTimer(kIntervalMs, [&] { ++ticks; });
  Perform({Visibility(true)});
  EXPECT_TRUE(ProcessUntil([&] { return ticks >= 2; }, 10)) << "hidden";
  Perform({Visibility(false)});
  const int hidden = ticks;
  EXPECT_TRUE(ProcessUntil([&] { return ticks >= hidden + 5; }, 2)) << "shown again";
}

}  // namespace
