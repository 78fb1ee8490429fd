#include "tests/platform_qt/test_pictures.h"

#include <QBuffer>
#include <QString>

std::vector<std::uint8_t> EncodeImage(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return {bytes.begin(), bytes.end()};
}

std::string FirstDifference(const QImage& actual, const QImage& expected) {
  if (actual.size() != expected.size()) {
    return QString("size %1x%2, expected %3x%4")
        .arg(actual.width())
        .arg(actual.height())
        .arg(expected.width())
        .arg(expected.height())
        .toStdString();
  }
  for (int y = 0; y < actual.height(); ++y) {
    for (int x = 0; x < actual.width(); ++x) {
      const QRgb got = actual.pixel(x, y) & 0xFFFFFF;
      const QRgb want = expected.pixel(x, y) & 0xFFFFFF;
      if (got != want) {
        return QString("pixel (%1, %2) is #%3, expected #%4")
            .arg(x)
            .arg(y)
            .arg(got, 6, 16, QChar('0'))
            .arg(want, 6, 16, QChar('0'))
            .toStdString();
      }
    }
  }
  return "";
}
