#pragma once

#include "toolkit/platform/win32/windows_api.h"

namespace toolkit::platform::win32 {

// The class of the program's top-level windows, registered on first use: double clicks, the
// whole client area painted again on every resize, a background brush of kBlankClientArea for
// what no frame covers yet, and the program's icon MAINICON from its resources, or Windows'
// application icon when the executable has none.
const wchar_t* TopLevelWindowClass(WNDPROC procedure);

}  // namespace toolkit::platform::win32
