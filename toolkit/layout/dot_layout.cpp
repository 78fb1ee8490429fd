#include "toolkit/layout/dot_layout.h"

#include <algorithm>

namespace toolkit {
namespace {

constexpr int kBottomMargin = 10;

}  // namespace

std::vector<Rect> DotLayout(int pageCount, int dotWidth, int dotHeight, int width, int height) {
  if (pageCount <= 0) return {};
  const int gap = std::max(std::max(dotWidth, dotHeight) / 10, 1);
  const int cellWidth = dotWidth + 2 * gap;
  const int cellHeight = dotHeight + 2 * gap;
  const int columns = pageCount * cellWidth <= width ? pageCount : std::max(width / cellWidth, 1);
  const int rows = (pageCount + columns - 1) / columns;
  const int blockWidth = columns * cellWidth - 2 * gap;
  const int difference = width - blockWidth;
  const int x0 = difference / 2 + (difference > 0 ? difference % 2 : 0);  // halves round up
  const int barTop = height - kBottomMargin - rows * cellHeight;

  std::vector<Rect> dots;
  dots.reserve(pageCount);
  for (int page = 0; page < pageCount; ++page) {
    const int left = x0 + cellWidth * (page % columns);
    const int top = barTop + gap + cellHeight * (page / columns);
    dots.push_back({left, top, left + dotWidth, top + dotHeight});
  }
  return dots;
}

}  // namespace toolkit
