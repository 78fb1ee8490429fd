#pragma once

#include "toolkit/platform/win32/windows_api.h"

#include <optional>

namespace toolkit::platform::win32 {

// A window's frame: how far its outer edges lie beyond its client area's, in pixels.
struct FrameInsets {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The frame from AdjustWindowRectEx's (or AdjustWindowRectExForDpi's) answer for an empty
// client area at the origin.
FrameInsets FrameInsetsOf(const RECT& adjustedEmptyClient);

// The outer size of a window with a client area of `client` inside `frame`.
SIZE WindowSizeAroundClient(SIZE client, FrameInsets frame);

enum class WindowShowState { Normal, Maximised, Minimised };

// Where a window goes when its monitor's scale changes (WM_DPICHANGED). Nowhere when it is
// maximised or minimised: Windows places those itself, and a size of the program's would take
// the maximised window out of its state. Otherwise the rectangle Windows suggests, as given when
// the window has told Windows its size at the new scale (WM_GETDPISCALEDSIZE, Windows 10 1703 and
// later), which then places it so that it stays under the cursor of a drag; or, where Windows has
// only scaled the old size, the suggested place with `ownSize`, the size the window needs.
std::optional<RECT> PlacementAfterDpiChange(WindowShowState state, const RECT& suggested,
                                            std::optional<SIZE> ownSize);

}  // namespace toolkit::platform::win32
