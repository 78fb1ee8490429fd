#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/platform/web/timer_schedule.h"

namespace {

using testing::ElementsAre;
using toolkit::platform::web::TimerSchedule;

TEST(TimerSchedule, FiresEachTimerWhenDueAndSaysHowLongToWait) {
  TimerSchedule schedule;
  std::vector<std::string> ticks;
  EXPECT_EQ(schedule.TimeUntilNext(0), TimerSchedule::kNone);
  schedule.Add(20, 0, [&] { ticks.push_back("a"); });
  schedule.Add(50, 0, [&] { ticks.push_back("b"); });
  EXPECT_EQ(schedule.TimeUntilNext(5), 15);

  schedule.FireDue(19);
  EXPECT_TRUE(ticks.empty());
  schedule.FireDue(20);
  schedule.FireDue(40);
  schedule.FireDue(50);
  EXPECT_THAT(ticks, ElementsAre("a", "a", "b"));
  EXPECT_EQ(schedule.TimeUntilNext(50), 10);
}

TEST(TimerSchedule, ATimerFarBehindTicksOnceAndKeepsItsStep) {
  TimerSchedule schedule;
  int ticks = 0;
  schedule.Add(20, 0, [&] { ++ticks; });
  // A hidden tab whose page the browser wakes a second late.
  schedule.FireDue(1000);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(schedule.TimeUntilNext(1000), 20);
}

TEST(TimerSchedule, ATickMayRemoveTimersAndAddOnes) {
  TimerSchedule schedule;
  std::vector<std::string> ticks;
  int second = 0;
  const int first = schedule.Add(10, 0, [&] {
    ticks.push_back("first");
    schedule.Remove(second);
    schedule.Remove(first);
    schedule.Add(10, 10, [&] { ticks.push_back("added"); });
  });
  second = schedule.Add(10, 0, [&] { ticks.push_back("second"); });

  schedule.FireDue(10);
  schedule.FireDue(20);
  EXPECT_THAT(ticks, ElementsAre("first", "added"));
}

TEST(TimerSchedule, ARemovedTimerNeverTicks) {
  TimerSchedule schedule;
  int ticks = 0;
  schedule.Remove(schedule.Add(10, 0, [&] { ++ticks; }));
  schedule.FireDue(100);
  EXPECT_EQ(ticks, 0);
  EXPECT_EQ(schedule.TimeUntilNext(100), TimerSchedule::kNone);
}

}  // namespace
