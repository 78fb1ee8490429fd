#include "dot_layout.h"

#include <algorithm>

namespace toolkit {
namespace {

constexpr int kDotSize = 8;
// The gap around a dot: its larger side in tenths, but at least one unit.
constexpr int kGap = std::max(kDotSize / 10, 1);
constexpr int kCell = kDotSize + 2 * kGap;
constexpr int kBottomMargin = 10;

}  // namespace

std::vector<Rect> DotLayout(int pageCount, int width, int height) {
  if (pageCount <= 0) return {};
  const int columns = pageCount * kCell <= width ? pageCount : std::max(width / kCell, 1);
  const int rows = (pageCount + columns - 1) / columns;
  const int blockWidth = columns * kCell - 2 * kGap;
  const int difference = width - blockWidth;
  const int x0 = difference / 2 + (difference > 0 ? difference % 2 : 0);  // halves round up
  const int barTop = height - kBottomMargin - rows * kCell;

  std::vector<Rect> dots;
  dots.reserve(pageCount);
  for (int page = 0; page < pageCount; ++page) {
    const int left = x0 + kCell * (page % columns);
    const int top = barTop + kGap + kCell * (page / columns);
    dots.push_back({left, top, left + kDotSize, top + kDotSize});
  }
  return dots;
}

}  // namespace toolkit
