#pragma once

#include "toolkit/platform/win32/windows_api.h"

#include <memory>
#include <optional>

#include "toolkit/platform/win32/window_renderer.h"

namespace toolkit::platform::win32 {

// The renderer of the window's client area. The kind is chosen once, for the first window
// that needs a drawing surface, and kept for every window after it: Direct2D when d2d1.dll
// and dwrite.dll are present and visual themes are enabled; GDI+ otherwise.
std::unique_ptr<WindowRenderer> CreateWindowRenderer(HWND window);

// The renderer that takes over a window its renderer cannot draw (Direct2D without a render
// target): GDI+, which is from then on chosen for new windows too.
std::unique_ptr<WindowRenderer> CreateFallbackRenderer(HWND window);

// For the backend's own tests, which compare the two renderers: from now on every window that
// makes its drawing surface uses `kind` (Direct2D still falls back to GDI+ where it cannot
// work), until the switch is cleared again with std::nullopt and the choice above applies.
// The program itself never calls this.
void ForceRendererKind(std::optional<RendererKind> kind);

}  // namespace toolkit::platform::win32
