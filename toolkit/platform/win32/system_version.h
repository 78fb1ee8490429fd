#pragma once

#include "toolkit/platform/win32/windows_api.h"

namespace toolkit::platform::win32 {

// The version of Windows the program really runs on. GetVersionEx would report the version
// that a program without a compatibility manifest is shown (Windows 8 on everything later).
SystemVersion RealWindowsVersion();

}  // namespace toolkit::platform::win32
