// The message loop, nested message processing, timers and the clock.
#include <gtest/gtest.h>

#include <algorithm>
#include <iostream>
#include <numeric>
#include <stdexcept>
#include <vector>

#include "tests/platform_win32/recording_events.h"
#include "tests/platform_win32/test_platform.h"

namespace lumivor::win32_tests {
namespace {

double ProcessorSeconds() {
  FILETIME creation, exit, kernel, user;
  GetProcessTimes(GetCurrentProcess(), &creation, &exit, &kernel, &user);
  auto seconds = [](const FILETIME& time) {
    return static_cast<double>((static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime) /
           1e7;
  };
  return seconds(kernel) + seconds(user);
}

TEST(Clock, NowAdvancesWithRealTimeInSeconds) {
  auto& platform = TestPlatform();
  const double before = platform.Now();
  Sleep(100);
  const double elapsed = platform.Now() - before;
  EXPECT_GE(elapsed, 0.095);
  EXPECT_LT(elapsed, 0.5);
}

TEST(Timers, TickRepeatedlyAtTheirIntervalWhileMessagesAreProcessed) {
  auto& platform = TestPlatform();
  int ticks = 0;
  const auto timer = platform.StartTimer(20, [&] { ++ticks; });
  const double start = platform.Now();
  platform.ProcessMessagesUntil([&] { return ticks >= 5; });
  const double elapsed = platform.Now() - start;

  EXPECT_EQ(ticks, 5);
  EXPECT_GE(elapsed, 5 * 0.020 - 0.005);
  EXPECT_LT(elapsed, 2.0);
}

// An animation's 20 ms frame clock: on average one tick per interval, not one per 31 ms as when
// Windows rounds the interval up to its 15.6 ms tick. The bounds are loose, for a busy machine.
TEST(Timers, AFrameClockTicksAtItsIntervalOnAverage) {
  auto& platform = TestPlatform();
  constexpr int kIntervals = 40;
  std::vector<double> ticks;
  const auto timer = platform.StartTimer(20, [&] { ticks.push_back(platform.Now()); });
  platform.ProcessMessagesUntil([&] { return ticks.size() > kIntervals; });

  std::vector<double> intervalsMs;
  for (size_t i = 1; i < ticks.size(); ++i) intervalsMs.push_back((ticks[i] - ticks[i - 1]) * 1000);
  const double meanMs = std::accumulate(intervalsMs.begin(), intervalsMs.end(), 0.0) / intervalsMs.size();
  const auto [shortest, longest] = std::minmax_element(intervalsMs.begin(), intervalsMs.end());
  std::cout << "20 ms timer over " << intervalsMs.size() << " intervals: mean " << meanMs << " ms, shortest "
            << *shortest << " ms, longest " << *longest << " ms\n";
  EXPECT_GE(meanMs, 15.0);
  EXPECT_LE(meanMs, 30.0);
}

TEST(Timers, NestedProcessingYieldsTheProcessorWhileItWaits) {
  auto& platform = TestPlatform();
  int ticks = 0;
  const auto timer = platform.StartTimer(100, [&] { ++ticks; });
  const double start = platform.Now();
  const double processorStart = ProcessorSeconds();
  platform.ProcessMessagesUntil([&] { return ticks >= 4; });
  const double elapsed = platform.Now() - start;
  const double busy = ProcessorSeconds() - processorStart;

  EXPECT_GE(elapsed, 0.35);
  EXPECT_LT(busy, elapsed / 2) << "busy " << busy << " s of " << elapsed << " s";
}

TEST(Timers, StopWhenDestroyedEvenFromTheirOwnTick) {
  auto& platform = TestPlatform();
  int selfStopped = 0;
  std::unique_ptr<toolkit::platform::Timer> stopsItself;
  stopsItself = platform.StartTimer(20, [&] {
    ++selfStopped;
    stopsItself.reset();
  });
  int stopped = 0;
  auto timer = platform.StartTimer(20, [&] { ++stopped; });
  int witness = 0;
  const auto watch = platform.StartTimer(20, [&] { ++witness; });

  platform.ProcessMessagesUntil([&] { return stopped >= 1 && selfStopped >= 1; });
  timer.reset();
  const int stoppedAt = stopped;
  platform.ProcessMessagesUntil([&] { return witness >= 10; });

  EXPECT_EQ(selfStopped, 1);
  EXPECT_EQ(stopped, stoppedAt);
}

TEST(Timers, AnErrorInATickReachesWhoeverProcessesTheMessages) {
  auto& platform = TestPlatform();
  const auto timer = platform.StartTimer(20, [] { throw std::logic_error("tick failed"); });
  try {
    platform.ProcessMessagesUntil([] { return false; });
    ADD_FAILURE() << "nothing thrown";
  } catch (const std::logic_error& error) {
    EXPECT_STREQ(error.what(), "tick failed");
  }
}

TEST(MessageLoop, RunsUntilQuitAndReturnsItsCode) {
  auto& platform = TestPlatform();
  int ticks = 0;
  const auto timer = platform.StartTimer(20, [&] {
    if (++ticks == 3) platform.Quit(7);
  });
  EXPECT_EQ(platform.RunLoop(), 7);
  EXPECT_EQ(ticks, 3);
}

TEST(MessageLoop, QuitDuringNestedProcessingWaitsForItsConditionThenEndsTheOuterLoop) {
  auto& platform = TestPlatform();
  int ticks = 0;
  const auto timer = platform.StartTimer(20, [&] { ++ticks; });
  platform.Quit(3);
  platform.ProcessMessagesUntil([&] { return ticks >= 3; });
  EXPECT_EQ(ticks, 3);
  const int ticksBeforeLoop = ticks;
  EXPECT_EQ(platform.RunLoop(), 3);
  // The quit came first: the outer loop handled nothing else.
  EXPECT_LE(ticks, ticksBeforeLoop + 1);
}

TEST(MessageLoop, QuitMetByProcessPendingMessagesStillEndsTheOuterLoop) {
  auto& platform = TestPlatform();
  platform.Quit(5);
  platform.ProcessPendingMessages();
  EXPECT_EQ(platform.RunLoop(), 5);
}

TEST(MessageLoop, ProcessPendingMessagesDispatchesWhatIsQueuedAndDoesNotWait) {
  auto& platform = TestPlatform();
  RecordingEvents events;
  auto window = platform.CreateWindow(events);
  HWND handle = AsWin32(*window).Handle();
  platform.ProcessPendingMessages();
  PostMessageW(handle, WM_KEYDOWN, VK_RETURN, 1);
  PostMessageW(handle, WM_KEYDOWN, VK_ESCAPE, 1);

  const double start = platform.Now();
  platform.ProcessPendingMessages();
  platform.ProcessPendingMessages();

  EXPECT_EQ(events.keys.size(), 2u);
  EXPECT_LT(platform.Now() - start, 0.5);
}

}  // namespace
}  // namespace lumivor::win32_tests
