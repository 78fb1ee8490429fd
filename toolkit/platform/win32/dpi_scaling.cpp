#include "toolkit/platform/win32/dpi_scaling.h"

namespace toolkit::platform::win32 {

FrameInsets FrameInsetsOf(const RECT& adjustedEmptyClient) {
  return FrameInsets{-adjustedEmptyClient.left, -adjustedEmptyClient.top, adjustedEmptyClient.right,
                     adjustedEmptyClient.bottom};
}

SIZE WindowSizeAroundClient(SIZE client, FrameInsets frame) {
  return SIZE{frame.left + client.cx + frame.right, frame.top + client.cy + frame.bottom};
}

std::optional<RECT> PlacementAfterDpiChange(WindowShowState state, const RECT& suggested,
                                            std::optional<SIZE> ownSize) {
  if (state != WindowShowState::Normal) return std::nullopt;
  if (!ownSize) return suggested;
  return RECT{suggested.left, suggested.top, suggested.left + ownSize->cx, suggested.top + ownSize->cy};
}

}  // namespace toolkit::platform::win32
