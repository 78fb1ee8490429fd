#pragma once

#include "toolkit/platform/platform.h"

namespace toolkit::platform::qt {

SystemVersion CurrentSystemVersion();

}  // namespace toolkit::platform::qt
