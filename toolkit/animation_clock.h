#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <functional>

namespace toolkit {

// The clock that drives animations: it ticks on the GUI thread while running and tells the
// time elapsed since it was started.
class AnimationClock {
 public:
  virtual ~AnimationClock() = default;
  virtual void Start(std::function<void()> onTick) = 0;
  virtual void Stop() = 0;
  virtual double ElapsedSeconds() const = 0;
};

// Ticks every 20 ms and reads the elapsed time from a high-resolution clock, so a late tick
// sees more time gone by.
class TimerClock : public AnimationClock {
 public:
  static constexpr int kIntervalMs = 20;

  TimerClock();
  void Start(std::function<void()> onTick) override;
  void Stop() override;
  double ElapsedSeconds() const override;

 private:
  QTimer timer_;
  QElapsedTimer elapsed_;
  std::function<void()> onTick_;
};

}  // namespace toolkit
