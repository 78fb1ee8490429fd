#pragma once

#include <functional>
#include <vector>

#include "animation_clock.h"

// An animation clock whose ticks report the elapsed times a test chooses, one per tick, and
// then keep going in 20 ms steps. After every tick it calls the test back, still inside the
// running animation.
class SteppedClock : public toolkit::AnimationClock {
 public:
  explicit SteppedClock(std::vector<double> elapsedTimes = {}, std::function<void()> afterTick = nullptr);
  ~SteppedClock() override;

  void Start(std::function<void()> onTick) override;
  void Stop() override;
  double ElapsedSeconds() const override { return elapsed_; }

 private:
  void ScheduleTick();

  std::vector<double> times_;
  std::function<void()> afterTick_;
  std::function<void()> onTick_;
  size_t next_ = 0;
  double elapsed_ = 0;
  int generation_ = 0;  // ticks scheduled for an earlier run are dropped
};
