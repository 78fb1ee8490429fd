#include "embedded_pictures.h"

#include <QFile>
#include <array>

#include "pictures/picture_resources.h"
#include "pictures/picture_table.h"

QByteArray EmbeddedPng(int card) {
  QFile file(deck::PictureResourcePath(card));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const QImage& EmbeddedPicture(int card) {
  static std::array<QImage, deck::kCardCount> decoded;
  QImage& image = decoded.at(card - 1);
  if (image.isNull()) {
    image = QImage::fromData(EmbeddedPng(card), "PNG").convertToFormat(QImage::Format_RGBA8888);
  }
  return image;
}

Rgba PixelAt(const QImage& image, int column, int row) {
  const uchar* p = image.constScanLine(row) + column * 4;
  return {p[0], p[1], p[2], p[3]};
}

void PrintTo(const Rgba& pixel, std::ostream* out) {
  *out << pixel.red << "," << pixel.green << "," << pixel.blue << "," << pixel.alpha;
}
