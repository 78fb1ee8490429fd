#include "button.h"

#include <QKeyEvent>
#include <QPainter>

#include "handler_errors.h"
#include "painting.h"
#include "style.h"

namespace toolkit {

TButton::TButton(QWidget* parent) : TPressable(parent) {}

bool TButton::BindEvent(const std::string& event, const THandler& handler) {
  if (event != "OnClick") return TPressable::BindEvent(event, handler);
  onClick_ = HandlerAs<TNotifyEvent>(handler, event);
  return true;
}

void TButton::Clicked() {
  if (onClick_) CallHandler(onClick_, this);
}

void TButton::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  const bool clicks = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
  if (clicks && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
    Clicked();
    return;
  }
  event->ignore();
}

void TButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const TStyle& style = PlatformStyle();
  if (IsPressed()) {
    FillWithBorder(painter, rect(), style.buttonPressedFill, style.buttonPressedBorder);
  } else if (IsHovered()) {
    FillWithBorder(painter, rect(), style.buttonHoverFill, style.buttonHoverBorder);
  } else if (hasFocus()) {
    FillWithBorder(painter, rect(), style.buttonFill, style.buttonFocusBorder, 2);
  } else {
    FillWithBorder(painter, rect(), style.buttonFill, style.buttonBorder);
  }
  painter.setFont(PlatformFont());
  painter.setPen(style.text);
  painter.drawText(rect(), Qt::AlignCenter, Text());
}

}  // namespace toolkit
