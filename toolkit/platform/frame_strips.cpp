#include "toolkit/platform/frame_strips.h"

#include <algorithm>

namespace toolkit::platform {

std::array<Rect, 4> FrameStrips(const Rect& rect, int width) {
  const int border = std::max(width, 0);
  const int topStripEnd = std::min(rect.bottom, rect.top + border);
  const int bottomStripStart = std::max(rect.top, rect.bottom - border);
  // Between the top and the bottom strip; nothing when they meet.
  const int sidesTop = topStripEnd;
  const int sidesBottom = std::max(sidesTop, bottomStripStart);
  return {
      Rect{rect.left, rect.top, rect.right, topStripEnd},
      Rect{rect.left, bottomStripStart, rect.right, rect.bottom},
      Rect{rect.left, sidesTop, std::min(rect.right, rect.left + border), sidesBottom},
      Rect{std::max(rect.left, rect.right - border), sidesTop, rect.right, sidesBottom},
  };
}

}  // namespace toolkit::platform
