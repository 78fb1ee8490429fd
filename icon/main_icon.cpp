#include "icon/main_icon_data.h"
#include "toolkit/platform/platform.h"

namespace toolkit::platform {

std::span<const IconImage> MainIconImages() { return icon::kMainIconImages; }

}  // namespace toolkit::platform
