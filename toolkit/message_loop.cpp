#include "message_loop.h"

#include <QMouseEvent>

#include "form.h"

namespace toolkit {

MessageLoop::MessageLoop(int& argc, char** argv) : QApplication(argc, argv) {}

namespace {

// The window whose stroke a mouse event on a control belongs to.
TForm* StrokeWindow(QObject* receiver, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::MouseButtonRelease:
      break;
    default:
      return nullptr;
  }
  auto* widget = qobject_cast<QWidget*>(receiver);
  return widget != nullptr ? qobject_cast<TForm*>(widget->window()) : nullptr;
}

}  // namespace

bool MessageLoop::notify(QObject* receiver, QEvent* event) {
  TForm* window = StrokeWindow(receiver, event);
  const bool result = QApplication::notify(receiver, event);
  // Strokes are followed beside normal input, after the control under the pointer has
  // handled the event (including any slide a release started).
  if (window != nullptr) window->FollowStroke(*static_cast<QMouseEvent*>(event));
  return result;
}

}  // namespace toolkit
