// The message loop, nested processing, timers and the clock, as every backend must run them.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "tests/support/test_platform.h"

namespace {

using toolkit::platform::Platform;
using toolkit::platform::Timer;

constexpr int kIntervalMs = 20;

TEST(MessageLoopTest, NestedProcessingRunsTimersUntilTheConditionHolds) {
  Platform& platform = TestPlatform();
  int ticks = 0;
  const auto timer = platform.StartTimer(kIntervalMs, [&] { ++ticks; });
  const double start = platform.Now();

  platform.ProcessMessagesUntil([&] { return ticks >= 5; });

  EXPECT_EQ(ticks, 5) << "the condition is checked after every round";
  EXPECT_GE(platform.Now() - start, 0.09) << "five ticks 20 ms apart";
}

TEST(MessageLoopTest, ATimerStopsWhenDestroyedEvenFromItsOwnTick) {
  Platform& platform = TestPlatform();
  int ticks = 0;
  std::unique_ptr<Timer> timer;
  timer = platform.StartTimer(1, [&] {
    if (++ticks == 3) timer.reset();
  });
  int wakeUps = 0;
  const auto clock = platform.StartTimer(kIntervalMs, [&] { ++wakeUps; });

  platform.ProcessMessagesUntil([&] { return wakeUps == 3; });

  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(timer, nullptr);
}

TEST(MessageLoopTest, NowFollowsAHighResolutionClock) {
  Platform& platform = TestPlatform();
  EXPECT_GT(platform.Now(), 0) << "counted from the platform's start";
  // The smallest step seen, over a few tries so that a pause of the process cannot hide it.
  double smallestStep = 1;
  for (int round = 0; round < 10; ++round) {
    const double first = platform.Now();
    double next = platform.Now();
    while (next == first) next = platform.Now();
    smallestStep = std::min(smallestStep, next - first);
  }
  EXPECT_LT(smallestStep, CoarsestClockStep());
}

TEST(MessageLoopTest, QuitEndsTheLoopWithItsCode) {
  Platform& platform = TestPlatform();
  const auto quit = platform.StartTimer(1, [&] { platform.Quit(5); });

  EXPECT_EQ(platform.RunLoop(), 5);
}

TEST(MessageLoopTest, QuitDuringNestedProcessingEndsTheLoopOnceTheNestedCallReturns) {
  Platform& platform = TestPlatform();
  int ticks = 0;
  const auto timer = platform.StartTimer(5, [&] {
    if (++ticks == 2) platform.Quit(7);
  });
  bool nestedReturned = false;
  std::unique_ptr<Timer> start;
  start = platform.StartTimer(1, [&] {
    start.reset();
    platform.ProcessMessagesUntil([&] { return ticks >= 4; });
    nestedReturned = true;
  });

  EXPECT_EQ(platform.RunLoop(), 7);
  EXPECT_TRUE(nestedReturned);
  EXPECT_GE(ticks, 4) << "the nested call ran to its own end first";
}

TEST(MessageLoopTest, QuitBeforeTheLoopRunsEndsItAtOnceAndOnlyOnce) {
  Platform& platform = TestPlatform();
  // Ends the loop, with a code of its own, should the first Quit be forgotten.
  const auto lostQuit = platform.StartTimer(1000, [&] { platform.Quit(-1); });
  platform.Quit(3);
  EXPECT_EQ(platform.RunLoop(), 3);

  const auto quit = platform.StartTimer(1, [&] { platform.Quit(0); });
  EXPECT_EQ(platform.RunLoop(), 0);
}

}  // namespace
