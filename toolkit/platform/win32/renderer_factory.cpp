#include "toolkit/platform/win32/renderer_factory.h"

#include "toolkit/platform/win32/direct2d_renderer.h"
#include "toolkit/platform/win32/gdiplus_renderer.h"
#include "toolkit/platform/win32/system_library.h"

namespace toolkit::platform::win32 {

namespace {

std::optional<RendererKind> chosenKind;
std::optional<RendererKind> forcedKind;

using IsThemeActiveFunction = BOOL(WINAPI*)();

bool VisualThemesEnabled() {
  auto isThemeActive = FindSystemFunctionAs<IsThemeActiveFunction>(L"uxtheme.dll", "IsThemeActive");
  return isThemeActive && isThemeActive();
}

std::unique_ptr<WindowRenderer> CreateOfKind(RendererKind kind, HWND window) {
  if (kind == RendererKind::Direct2D) {
    if (auto renderer = Direct2DRenderer::Create(window)) return renderer;
  }
  return std::make_unique<GdiPlusRenderer>(window);
}

}  // namespace

std::unique_ptr<WindowRenderer> CreateWindowRenderer(HWND window) {
  if (forcedKind) return CreateOfKind(*forcedKind, window);
  if (!chosenKind) {
    auto renderer = CreateOfKind(VisualThemesEnabled() ? RendererKind::Direct2D : RendererKind::GdiPlus, window);
    chosenKind = renderer->Kind();
    return renderer;
  }
  return CreateOfKind(*chosenKind, window);
}

std::unique_ptr<WindowRenderer> CreateFallbackRenderer(HWND window) {
  if (!forcedKind) chosenKind = RendererKind::GdiPlus;
  return std::make_unique<GdiPlusRenderer>(window);
}

void ForceRendererKind(std::optional<RendererKind> kind) { forcedKind = kind; }

}  // namespace toolkit::platform::win32
