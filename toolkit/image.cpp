#include "image.h"

#include <QPainter>

#include "fit_rule.h"

namespace toolkit {

TImage::TImage(QWidget* parent) : TControl(parent) {}

void TImage::SetPicture(const QByteArray& png) {
  compressed_ = png;
  bitmap_ = QImage();
  update();
}

void TImage::paintEvent(QPaintEvent*) {
  if (bitmap_.isNull() && !compressed_.isEmpty()) bitmap_.loadFromData(compressed_, "PNG");
  if (bitmap_.isNull()) return;
  const Rect target = FitInto(bitmap_.width(), bitmap_.height(), width(), height());
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRect(target.left, target.top, target.Width(), target.Height()), bitmap_);
}

}  // namespace toolkit
