#pragma once

#include <array>

#include "icon/main_icon_sizes.h"
#include "toolkit/platform/platform.h"

namespace icon {

// The icon's PNG stream at each of kMainIconSizes, in that order. Defined by
// the source that lumivor_render_icon writes into the build tree.
extern const std::array<toolkit::platform::IconImage, kMainIconSizes.size()> kMainIconImages;

}  // namespace icon
