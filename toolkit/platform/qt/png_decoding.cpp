#include "toolkit/platform/qt/png_decoding.h"

#include <QByteArray>
#include <stdexcept>

#include "toolkit/platform/qt/qt_bitmap.h"

namespace toolkit::platform::qt {

std::unique_ptr<Bitmap> DecodePngBitmap(std::span<const std::uint8_t> png) {
  // The bytes are built into the program and outlive the decoding, so they are read in place.
  const QByteArray bytes =
      QByteArray::fromRawData(reinterpret_cast<const char*>(png.data()), static_cast<qsizetype>(png.size()));
  QImage image;
  if (!image.loadFromData(bytes, "PNG")) throw std::runtime_error("The picture is not a readable PNG image.");
  return std::make_unique<QtBitmap>(image.convertToFormat(QImage::Format_ARGB32_Premultiplied));
}

}  // namespace toolkit::platform::qt
