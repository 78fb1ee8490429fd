#include "text.h"

#include <QPainter>

#include "style.h"

namespace toolkit {

TText::TText(QWidget* parent) : TControl(parent) {
  // Clicks and strokes over the text go to the area beneath it.
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TText::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(PlatformFont());
  painter.setPen(PlatformStyle().text);
  painter.drawText(rect(), Qt::AlignCenter | Qt::TextWordWrap, Text());
}

}  // namespace toolkit
