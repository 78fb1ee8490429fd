#pragma once

#include "toolkit/platform/win32/windows_api.h"

namespace toolkit::platform::win32 {

// Declares the process aware of each monitor's scale, as the program's manifest does, so that
// Windows never stretches its windows: one layout unit stays one physical pixel. Harmless when
// the manifest has already done it.
void DeclarePerMonitorDpiAwareness();

// The outer size `window` needs for a client area of width × height physical pixels, with its
// own frame at its monitor's current scale.
SIZE WindowSizeForClient(HWND window, int width, int height);

// The same at the given scale, in dots per inch (96 = 100 %).
SIZE WindowSizeForClientAtDpi(HWND window, int width, int height, UINT dpi);

}  // namespace toolkit::platform::win32
