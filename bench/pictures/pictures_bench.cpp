// Cost of showing a card picture: decoding its embedded PNG, and drawing it
// smoothly scaled by the fit rule into the 663 × 249 picture area; and the
// size of all the embedded PNGs together (counter embedded_png_bytes).

#include <benchmark/benchmark.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QRectF>

#include "fit_rule.h"
#include "pictures/picture_resources.h"

namespace {

constexpr int kAreaWidth = 663;
constexpr int kAreaHeight = 249;

QByteArray EmbeddedPng(int card) {
  QFile file(deck::PictureResourcePath(card));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void BM_DecodePicture(benchmark::State& state) {
  const QByteArray png = EmbeddedPng(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    QImage image = QImage::fromData(png, "PNG");
    benchmark::DoNotOptimize(image.constBits());
  }
  state.SetBytesProcessed(state.iterations() * png.size());
}
BENCHMARK(BM_DecodePicture)->Arg(1)->Arg(39)->Arg(85)->Arg(102);

void BM_DrawPictureIntoArea(benchmark::State& state) {
  const QImage picture = QImage::fromData(EmbeddedPng(static_cast<int>(state.range(0))), "PNG");
  QImage area(kAreaWidth, kAreaHeight, QImage::Format_ARGB32_Premultiplied);
  const toolkit::Rect fit =
      toolkit::FitInto(picture.width(), picture.height(), kAreaWidth, kAreaHeight);
  const QRectF target(fit.left, fit.top, fit.Width(), fit.Height());
  for (auto _ : state) {
    QPainter painter(&area);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, picture);
    painter.end();
    benchmark::DoNotOptimize(area.constBits());
  }
}
BENCHMARK(BM_DrawPictureIntoArea)->Arg(1)->Arg(91)->Arg(102);

void BM_ReadAllEmbeddedPictures(benchmark::State& state) {
  qint64 total = 0;
  for (auto _ : state) {
    total = 0;
    for (int card = 1; card <= deck::kCardCount; ++card) {
      total += EmbeddedPng(card).size();
    }
    benchmark::DoNotOptimize(total);
  }
  state.counters["embedded_png_bytes"] = static_cast<double>(total);
}
BENCHMARK(BM_ReadAllEmbeddedPictures);

}  // namespace
