#include "stepped_clock.h"

#include <QTimer>

SteppedClock::SteppedClock(std::vector<double> elapsedTimes, std::function<void()> afterTick)
    : times_(std::move(elapsedTimes)), afterTick_(std::move(afterTick)) {}

SteppedClock::~SteppedClock() { ++generation_; }

void SteppedClock::Start(std::function<void()> onTick) {
  onTick_ = std::move(onTick);
  next_ = 0;
  elapsed_ = 0;
  ScheduleTick();
}

void SteppedClock::Stop() {
  ++generation_;
  onTick_ = nullptr;
}

void SteppedClock::ScheduleTick() {
  const int generation = generation_;
  QTimer::singleShot(0, [this, generation] {
    if (generation != generation_ || !onTick_) return;
    elapsed_ = next_ < times_.size() ? times_[next_] : elapsed_ + 0.02;
    ++next_;
    onTick_();
    if (generation != generation_) return;  // the tick ended the animation
    if (afterTick_) afterTick_();
    if (generation == generation_) ScheduleTick();
  });
}
