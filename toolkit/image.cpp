#include "image.h"

#include <QPainter>
#include <QResource>
#include <stdexcept>

#include "fit_rule.h"

namespace toolkit {

TImage::TImage(QWidget* parent) : TControl(parent) {}

void TImage::SetPicture(const QString& resourcePath) {
  const QResource resource(resourcePath);
  if (!resource.isValid()) {
    throw std::invalid_argument("no picture " + resourcePath.toStdString());
  }
  picture_ = resourcePath;
  compressed_ = resource.compressionAlgorithm() == QResource::NoCompression
                    ? QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()), resource.size())
                    : resource.uncompressedData();
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
