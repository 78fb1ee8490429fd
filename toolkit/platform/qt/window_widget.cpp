#include "toolkit/platform/qt/window_widget.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <optional>

#include "toolkit/platform/qt/input_translation.h"
#include "toolkit/platform/qt/qt_canvas.h"

namespace toolkit::platform::qt {
namespace {

PointF PositionOf(const QMouseEvent& event) { return {event.position().x(), event.position().y()}; }

// Touch input reaches the toolkit as touch; the mouse events Qt would make up from it must
// not reach it a second time.
bool CameFromTouch(const QMouseEvent& event) {
  return event.device() != nullptr && event.device()->type() == QInputDevice::DeviceType::TouchScreen;
}

bool IsTouchEvent(const QEvent& event) {
  switch (event.type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
      return true;
    default:
      return false;
  }
}

}  // namespace

WindowWidget::WindowWidget(WindowEvents& events)
    : QWidget(nullptr, Qt::Window), events_(events), accessibility_(*this, events) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_AcceptTouchEvents);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
}

void WindowWidget::ReportSize() {
  if (size() == reportedSize_) return;
  reportedSize_ = size();
  events_.Resized(width(), height());
}

bool WindowWidget::event(QEvent* event) {
  // A modal window of the program has opened over this one: Qt keeps every mouse event from a
  // blocked window, the release of a button held now among them.
  if (event->type() == QEvent::WindowBlocked) events_.PointerCaptureLost();
  if (!IsTouchEvent(*event)) return QWidget::event(event);
  // Accepting every touch event keeps Qt from making mouse events out of it.
  touch_.Deliver(static_cast<const QTouchEvent&>(*event), events_);
  event->accept();
  return true;
}

void WindowWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QtCanvas canvas(painter);
  events_.Paint(canvas);
}

void WindowWidget::resizeEvent(QResizeEvent*) { ReportSize(); }

void WindowWidget::mousePressEvent(QMouseEvent* event) {
  const auto button = TranslateButton(event->button());
  if (button && !CameFromTouch(*event)) events_.PointerPressed(*button, PositionOf(*event));
}

void WindowWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  const auto button = TranslateButton(event->button());
  if (button && !CameFromTouch(*event)) events_.PointerDoubleClicked(*button, PositionOf(*event));
}

void WindowWidget::mouseMoveEvent(QMouseEvent* event) {
  if (!CameFromTouch(*event)) events_.PointerMoved(PositionOf(*event));
}

void WindowWidget::mouseReleaseEvent(QMouseEvent* event) {
  const auto button = TranslateButton(event->button());
  if (button && !CameFromTouch(*event)) events_.PointerReleased(*button, PositionOf(*event));
}

void WindowWidget::leaveEvent(QEvent*) { events_.PointerLeft(); }

void WindowWidget::keyPressEvent(QKeyEvent* event) {
  const std::optional<KeyStroke> stroke = TranslateKey(event->key(), event->modifiers());
  if (!stroke) return;
  events_.KeyDown(stroke->key, stroke->modifiers);
  for (const char32_t character : TypedCharacters(event->text())) events_.CharTyped(character, stroke->modifiers);
}

void WindowWidget::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange) events_.ActiveChanged(isActiveWindow());
  QWidget::changeEvent(event);
}

void WindowWidget::closeEvent(QCloseEvent* event) {
  // The toolkit decides what a close request does, and ends the program through Platform::Quit.
  event->ignore();
  events_.CloseRequested();
}

}  // namespace toolkit::platform::qt
