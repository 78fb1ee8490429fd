#include "toolkit/platform/qt/qt_timer.h"

namespace toolkit::platform::qt {

QtTimer::QtTimer(int intervalMs, std::function<void()> onTick) {
  // Animation steps are 20 ms apart; a coarse timer would let them drift by up to 5 %.
  timer_.setTimerType(Qt::PreciseTimer);
  timer_.setInterval(intervalMs);
  QObject::connect(&timer_, &QTimer::timeout, &timer_, std::move(onTick));
  timer_.start();
}

}  // namespace toolkit::platform::qt
