#include "toolkit/platform/qt/touch_input.h"

#include <QTouchEvent>
#include <utility>

namespace toolkit::platform::qt {

void TouchInput::Deliver(const QTouchEvent& event, WindowEvents& events) {
  if (event.type() == QEvent::TouchCancel) {
    const std::map<int, PointF> cancelled = std::exchange(down_, {});
    for (const auto& [id, position] : cancelled) events.Touch(TouchPhase::Cancel, id, position);
    return;
  }
  for (const QEventPoint& point : event.points()) {
    const int id = point.id();
    const PointF position{point.position().x(), point.position().y()};
    switch (point.state()) {
      case QEventPoint::Pressed:
        down_[id] = position;
        events.Touch(TouchPhase::Down, id, position);
        break;
      case QEventPoint::Updated:
        down_[id] = position;
        events.Touch(TouchPhase::Move, id, position);
        break;
      case QEventPoint::Released:
        down_.erase(id);
        events.Touch(TouchPhase::Up, id, position);
        break;
      default:  // a point that stayed where it was has nothing new to report
        break;
    }
  }
}

}  // namespace toolkit::platform::qt
