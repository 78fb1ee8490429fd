#include "check_box.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include "handler_errors.h"
#include "painting.h"
#include "style.h"

namespace toolkit {
namespace {

constexpr int kBoxSize = 13;
constexpr int kBoxColumn = 18;  // the box is centred in a column this wide at the left edge
constexpr int kCaptionGap = 3;

void PaintTick(QPainter& painter, const QRect& box, const QColor& colour) {
  QPainterPath tick;
  tick.moveTo(box.left() + 2.5, box.top() + 6.5);
  tick.lineTo(box.left() + 5.5, box.top() + 9.5);
  tick.lineTo(box.left() + 10.5, box.top() + 3.5);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(colour, 1.6, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawPath(tick);
}

}  // namespace

TCheckBox::TCheckBox(QWidget* parent) : TPressable(parent) {}

void TCheckBox::SetIsChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  update();
  QAccessible::State changed;
  changed.checked = true;
  QAccessibleStateChangeEvent event(this, changed);
  QAccessible::updateAccessibility(&event);
  if (onChange_) CallHandler(onChange_, this);
}

bool TCheckBox::BindEvent(const std::string& event, const THandler& handler) {
  if (event != "OnChange") return TPressable::BindEvent(event, handler);
  onChange_ = HandlerAs<TNotifyEvent>(handler, event);
  return true;
}

void TCheckBox::Clicked() { SetIsChecked(!checked_); }

void TCheckBox::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Space && event->modifiers() == Qt::NoModifier) {
    SetIsChecked(!checked_);
    return;
  }
  event->ignore();
}

void TCheckBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const TStyle& style = PlatformStyle();
  const QRect box((kBoxColumn - kBoxSize) / 2, (height() - kBoxSize) / 2, kBoxSize, kBoxSize);
  const bool active = IsHovered() || hasFocus();
  FillWithBorder(painter, box, style.checkBoxFill, active ? style.checkBoxActiveBorder : style.checkBoxBorder);
  if (checked_) PaintTick(painter, box, style.checkBoxTick);

  painter.setFont(PlatformFont());
  painter.setPen(style.text);
  const QRect caption(kBoxColumn + kCaptionGap, 0, width() - kBoxColumn - kCaptionGap, height());
  painter.drawText(caption, Qt::AlignLeft | Qt::AlignVCenter, Text());
}

}  // namespace toolkit
