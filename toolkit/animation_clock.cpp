#include "animation_clock.h"

namespace toolkit {

TimerClock::TimerClock() {
  timer_.setInterval(kIntervalMs);
  timer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&timer_, &QTimer::timeout, [this] {
    if (onTick_) onTick_();
  });
}

void TimerClock::Start(std::function<void()> onTick) {
  onTick_ = std::move(onTick);
  elapsed_.start();
  timer_.start();
}

void TimerClock::Stop() {
  timer_.stop();
  onTick_ = nullptr;
}

double TimerClock::ElapsedSeconds() const { return static_cast<double>(elapsed_.nsecsElapsed()) / 1e9; }

}  // namespace toolkit
