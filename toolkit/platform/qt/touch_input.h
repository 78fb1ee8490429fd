#pragma once

#include <map>

#include "toolkit/platform/platform.h"

class QTouchEvent;

namespace toolkit::platform::qt {

// Passes a window's touch points on to the toolkit, and remembers which of them are down so
// that a cancelled sequence ends each of them.
class TouchInput {
 public:
  void Deliver(const QTouchEvent& event, WindowEvents& events);

 private:
  std::map<int, PointF> down_;
};

}  // namespace toolkit::platform::qt
