// Draws the program's icon, a night sea with the three lights of a vessel coming head on,
// at every size the window system asks for.

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRadialGradient>
#include <cstdio>

namespace {

void PaintLight(QPainter& painter, QPointF centre, double radius, const QColor& colour) {
  QRadialGradient glow(centre, radius * 2.2);
  QColor halo = colour;
  halo.setAlpha(110);
  glow.setColorAt(0, halo);
  glow.setColorAt(1, Qt::transparent);
  painter.setBrush(glow);
  painter.drawEllipse(centre, radius * 2.2, radius * 2.2);
  painter.setBrush(colour);
  painter.drawEllipse(centre, radius, radius);
}

QImage Icon(int size) {
  QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.scale(size / 256.0, size / 256.0);
  painter.setPen(Qt::NoPen);

  QLinearGradient night(0, 0, 0, 256);
  night.setColorAt(0, QColor(0x0B, 0x1E, 0x3A));
  night.setColorAt(1, QColor(0x02, 0x08, 0x14));
  painter.setBrush(night);
  painter.drawRoundedRect(QRectF(8, 8, 240, 240), 44, 44);

  PaintLight(painter, {128, 78}, 24, QColor(0xFF, 0xFF, 0xFF));
  PaintLight(painter, {66, 172}, 24, QColor(0x99, 0xCC, 0x00));
  PaintLight(painter, {190, 172}, 24, QColor(0xFF, 0x00, 0x00));
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_DIR\n", argv[0]);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const QDir output(QString::fromLocal8Bit(argv[1]));
  output.mkpath(".");
  for (int size : {16, 24, 32, 48, 256}) {
    if (!Icon(size).save(output.filePath(QString("%1.png").arg(size)))) {
      std::fprintf(stderr, "cannot write the %d-pixel icon\n", size);
      return 1;
    }
  }
  return 0;
}
