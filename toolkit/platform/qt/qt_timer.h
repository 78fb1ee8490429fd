#pragma once

#include <QTimer>
#include <functional>

#include "toolkit/platform/platform.h"

namespace toolkit::platform::qt {

class QtTimer final : public Timer {
 public:
  QtTimer(int intervalMs, std::function<void()> onTick);

 private:
  QTimer timer_;
};

}  // namespace toolkit::platform::qt
