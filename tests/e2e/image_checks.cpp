#include "image_checks.h"

#include "card_layout.h"

#include <QString>

#include <algorithm>

namespace e2e {
namespace {

QString hex(QRgb colour) { return QString("#%1").arg(colour, 6, 16, QChar('0')).toUpper(); }

std::string describe(QRect rect) {
  return QString("(%1,%2)-(%3,%4)")
      .arg(rect.left())
      .arg(rect.top())
      .arg(rect.right() + 1)
      .arg(rect.bottom() + 1)
      .toStdString();
}

::testing::AssertionResult isSameSize(const QImage& actual, const QImage& expected) {
  if (actual.size() == expected.size()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "the capture is " << actual.width() << "x"
                                       << actual.height() << ", not " << expected.width() << "x"
                                       << expected.height();
}

// Whether each channel of `colour` lies, give or take `tolerance`, between the least and the
// most of that channel in the 3x3 pixels of `image` around `at`.
bool liesAmongNeighbours(const QImage& image, QPoint at, QRgb colour, int tolerance) {
  for (const int shift : {16, 8, 0}) {
    int least = 255;
    int most = 0;
    for (int dy = -1; dy <= 1; ++dy)
      for (int dx = -1; dx <= 1; ++dx) {
        const QPoint near = at + QPoint(dx, dy);
        if (!image.rect().contains(near)) continue;
        const int value = static_cast<int>((colourAt(image, near) >> shift) & 0xFF);
        least = std::min(least, value);
        most = std::max(most, value);
      }
    const int value = static_cast<int>((colour >> shift) & 0xFF);
    if (value < least - tolerance || value > most + tolerance) return false;
  }
  return true;
}

}  // namespace

QRgb colourAt(const QImage& image, QPoint point) { return image.pixel(point) & 0xFFFFFF; }

::testing::AssertionResult isFilledWith(const QImage& image, QRect region, QRgb colour) {
  if (!image.rect().contains(region))
    return ::testing::AssertionFailure() << describe(region) << " lies outside the "
                                         << image.width() << "x" << image.height() << " capture";
  int wrong = 0;
  QPoint first;
  for (int y = region.top(); y <= region.bottom(); ++y)
    for (int x = region.left(); x <= region.right(); ++x)
      if (colourAt(image, {x, y}) != colour && wrong++ == 0) first = {x, y};
  if (wrong == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << wrong << " pixels of " << describe(region) << " are not "
         << hex(colour).toStdString() << ", the first at (" << first.x() << "," << first.y()
         << ") is " << hex(colourAt(image, first)).toStdString();
}

::testing::AssertionResult hasOutline(const QImage& image, QRect rect, QRgb colour, int scale) {
  const QRect edges[] = {{rect.left(), rect.top(), rect.width(), 1},
                         {rect.left(), rect.bottom(), rect.width(), 1},
                         {rect.left(), rect.top(), 1, rect.height()},
                         {rect.right(), rect.top(), 1, rect.height()}};
  for (const QRect& edge : edges)
    if (auto result = isFilledWith(image, layout::scaled(edge, scale), colour); !result)
      return result << " (outline of " << describe(rect) << ")";
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult isIdentical(const QImage& actual, const QImage& expected) {
  if (auto sameSize = isSameSize(actual, expected); !sameSize) return sameSize;
  int differing = 0;
  QPoint first;
  for (int y = 0; y < actual.height(); ++y)
    for (int x = 0; x < actual.width(); ++x)
      if (colourAt(actual, {x, y}) != colourAt(expected, {x, y}) && differing++ == 0) first = {x, y};
  if (differing == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << differing << " pixels differ, the first at (" << first.x() << "," << first.y()
         << "): " << hex(colourAt(actual, first)).toStdString() << " instead of "
         << hex(colourAt(expected, first)).toStdString();
}

::testing::AssertionResult isAlikeWithinAntiAliasing(const QImage& actual, const QImage& expected,
                                                     int tolerance) {
  if (auto sameSize = isSameSize(actual, expected); !sameSize) return sameSize;
  int differing = 0;
  QPoint first;
  for (int y = 0; y < actual.height(); ++y)
    for (int x = 0; x < actual.width(); ++x) {
      const QPoint at(x, y);
      const bool alike = liesAmongNeighbours(expected, at, colourAt(actual, at), tolerance) &&
                         liesAmongNeighbours(actual, at, colourAt(expected, at), tolerance);
      if (!alike && differing++ == 0) first = at;
    }
  if (differing == 0) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure()
         << differing << " pixels differ by more than anti-aliasing, the first at (" << first.x()
         << "," << first.y() << "): " << hex(colourAt(actual, first)).toStdString()
         << " instead of " << hex(colourAt(expected, first)).toStdString();
}

bool isDotHighlighted(const QImage& image, int page, QSize client, int scale) {
  return isFilledWith(image, layout::scaled(layout::pageDot(page, client), scale), layout::colour::kCurrentDot);
}

std::vector<int> highlightedDots(const QImage& image, QSize client, int scale) {
  std::vector<int> pages;
  for (int page = 1; page <= layout::kPageCount; ++page)
    if (isDotHighlighted(image, page, client, scale)) pages.push_back(page);
  return pages;
}

std::optional<QRect> darkPixelBounds(const QImage& image, QRect region) {
  std::optional<QRect> bounds;
  for (int y = region.top(); y <= region.bottom(); ++y)
    for (int x = region.left(); x <= region.right(); ++x)
      if (qGray(image.pixel(x, y)) < 128) bounds = bounds ? bounds->united({x, y, 1, 1}) : QRect(x, y, 1, 1);
  return bounds;
}

void saveCapture(const QImage& image, const char* fileName) { image.save(fileName, "PNG"); }

}  // namespace e2e
