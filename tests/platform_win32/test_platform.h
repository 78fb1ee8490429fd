#pragma once

#include "toolkit/platform/win32/windows_api.h"
#include "toolkit/platform/win32/renderer_factory.h"
#include "toolkit/platform/win32/win32_window.h"

namespace lumivor::win32_tests {

// The one platform of the test program, made before the first test on the main thread (the
// GUI thread) and destroyed after the last.
toolkit::platform::Platform& TestPlatform();

// The renderer of windows whose pixels a test does not look at: GDI+ starts at once, where
// Direct2D takes a second or two for each new window under Wine. Tests that look at pixels
// choose their renderer themselves (PaintedWindow).
inline constexpr toolkit::platform::win32::RendererKind kRendererOfUnpaintedWindows =
    toolkit::platform::win32::RendererKind::GdiPlus;

// The backend's own window behind the interface, for its handle.
toolkit::platform::win32::Win32Window& AsWin32(toolkit::platform::Window& window);

}  // namespace lumivor::win32_tests
