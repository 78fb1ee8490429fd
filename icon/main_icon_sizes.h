#pragma once

#include <array>

namespace icon {

// The sizes, in pixels, at which the program icon MAINICON is drawn: square
// images for the window system to choose from.
inline constexpr std::array<int, 5> kMainIconSizes{16, 24, 32, 48, 256};

}  // namespace icon
