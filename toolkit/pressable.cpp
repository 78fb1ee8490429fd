#include "pressable.h"

#include <QMouseEvent>

namespace toolkit {

TPressable::TPressable(QWidget* parent) : TControl(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_Hover);
}

void TPressable::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  if (event->button() == Qt::LeftButton) {
    pressed_ = true;
    update();
  }
}

void TPressable::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void TPressable::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  update();
  if (rect().contains(event->position().toPoint())) Clicked();
}

void TPressable::enterEvent(QEnterEvent* event) {
  TControl::enterEvent(event);
  update();
}

void TPressable::leaveEvent(QEvent* event) {
  TControl::leaveEvent(event);
  update();
}

void TPressable::focusInEvent(QFocusEvent* event) {
  TControl::focusInEvent(event);
  update();
}

void TPressable::focusOutEvent(QFocusEvent* event) {
  TControl::focusOutEvent(event);
  update();
}

}  // namespace toolkit
