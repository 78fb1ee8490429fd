#include "slide_frames.h"

#include "card_layout.h"
#include "image_checks.h"

namespace e2e {
namespace {

constexpr int kWidth = layout::kClientSize.width();
constexpr QRect kComparedBands[] = {
    {1, layout::kEndPagePanel.bottom() + 1, kWidth - 2,
     layout::kPictureArea.bottom() - layout::kEndPagePanel.bottom()},
    layout::kAnswerTextRegion,
};

// What a page shows at x (page coordinates) while it slides: its own pixel,
// except that the tab control's border beneath it stays at the window's edges
// and the page carries the plain white background there instead.
QRgb slidingPixel(const QImage& page, int x, int y) {
  const QRgb colour = colourAt(page, {x, y});
  const bool onBorder = x == 0 || x == kWidth - 1;
  return onBorder && colour == layout::colour::kTabBorder ? layout::colour::kWhite : colour;
}

bool showsSeamAt(const QImage& frame, const QImage& left, const QImage& right, int seam) {
  for (const QRect& band : kComparedBands)
    for (int y = band.top(); y <= band.bottom(); ++y)
      for (int x = band.left(); x <= band.right(); ++x) {
        const QRgb expected = x < seam ? slidingPixel(left, x + kWidth - seam, y)
                                       : slidingPixel(right, x - seam, y);
        if (colourAt(frame, {x, y}) != expected) return false;
      }
  return true;
}

bool sameInBands(const QImage& frame, const QImage& page) {
  for (const QRect& band : kComparedBands)
    for (int y = band.top(); y <= band.bottom(); ++y)
      for (int x = band.left(); x <= band.right(); ++x)
        if (colourAt(frame, {x, y}) != colourAt(page, {x, y})) return false;
  return true;
}

}  // namespace

std::optional<int> seamBetween(const QImage& frame, const QImage& left, const QImage& right) {
  for (const QImage* image : {&frame, &left, &right})
    if (image->size() != layout::kClientSize) return std::nullopt;
  // A page at rest is no slide, though where its bands are all of one colour
  // (the end page's) it passes for one that has moved by a pixel.
  if (sameInBands(frame, left) || sameInBands(frame, right)) return std::nullopt;
  for (int seam = 1; seam < kWidth; ++seam)
    if (showsSeamAt(frame, left, right, seam)) return seam;
  return std::nullopt;
}

std::optional<SeamFrame> firstSeamFrame(const std::vector<QImage>& frames, const QImage& left,
                                        const QImage& right) {
  for (const QImage& frame : frames)
    if (auto seam = seamBetween(frame, left, right)) return SeamFrame{frame, *seam};
  return std::nullopt;
}

}  // namespace e2e
