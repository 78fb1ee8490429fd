#pragma once

#include <QImage>

#include "toolkit/platform/platform.h"

namespace toolkit::platform::qt {

// A decoded picture, kept premultiplied so that drawing it needs no conversion.
class QtBitmap final : public Bitmap {
 public:
  explicit QtBitmap(QImage image) : image_(std::move(image)) {}

  int Width() const override { return image_.width(); }
  int Height() const override { return image_.height(); }
  const QImage& Image() const { return image_; }

 private:
  QImage image_;
};

}  // namespace toolkit::platform::qt
