// Build-time tool: renders every card picture to <picture-dir>/N.png, and a
// contact sheet of all of them to <sheet.png>.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdio>
#include <vector>

#include "pictures/contact_sheet.h"
#include "pictures/picture_raster.h"
#include "pictures/picture_table.h"
#include "pictures/png_encoder.h"

namespace {

bool WritePng(const deck::RgbaImage& image, const QString& path) {
  QFile file(path);
  const QByteArray png = deck::EncodePng(image);
  if (!file.open(QIODevice::WriteOnly) || file.write(png) != png.size()) {
    std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(file.errorString()));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <picture-dir> <contact-sheet.png>\n", argv[0]);
    return 2;
  }
  const QDir pictureDir(QString::fromLocal8Bit(argv[1]));
  if (!pictureDir.mkpath(".")) {
    std::fprintf(stderr, "cannot create %s\n", argv[1]);
    return 1;
  }
  std::vector<deck::RgbaImage> pictures;
  for (int card = 1; card <= deck::kCardCount; ++card) {
    pictures.push_back(deck::RenderPicture(deck::PictureOf(card)));
    if (!WritePng(pictures.back(), pictureDir.filePath(QStringLiteral("%1.png").arg(card)))) {
      return 1;
    }
  }
  return WritePng(deck::ContactSheet(pictures), QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
