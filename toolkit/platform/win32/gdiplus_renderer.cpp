#include "toolkit/platform/win32/gdiplus_renderer.h"

#include "toolkit/platform/win32/gdiplus_canvas.h"
#include "toolkit/platform/win32/platform_font.h"
#include "toolkit/platform/win32/window_paint.h"

namespace toolkit::platform::win32 {

namespace {

std::unique_ptr<Gdiplus::FontFamily> PlatformFontFamily() {
  const wchar_t* name = InstalledPlatformFontFamily([](const wchar_t* candidate) {
    Gdiplus::FontFamily family(candidate);
    return family.IsAvailable() != FALSE;
  });
  auto family = std::make_unique<Gdiplus::FontFamily>(name);
  if (!family->IsAvailable()) {
    family.reset(Gdiplus::FontFamily::GenericSansSerif()->Clone());
  }
  return family;
}

}  // namespace

GdiPlusRenderer::GdiPlusRenderer(HWND window)
    : session_(GdiPlusSession::Acquire()),
      window_(window),
      fontFamily_(PlatformFontFamily()),
      font_(std::make_unique<Gdiplus::Font>(fontFamily_.get(), kPlatformFontPixels, Gdiplus::FontStyleRegular,
                                            Gdiplus::UnitPixel)) {}

bool GdiPlusRenderer::Paint(const std::function<void(Canvas&)>& paint) {
  WindowPaint windowPaint(window_);
  RECT client{};
  GetClientRect(window_, &client);
  backBuffer_.Fit(client.right, client.bottom);
  {
    Gdiplus::Graphics graphics(backBuffer_.Dc());
    const Rect surface{0, 0, client.right, client.bottom};
    GdiPlusCanvas canvas(graphics, *font_, surface);
    canvas.FillRect(surface, kBlankClientArea);
    paint(canvas);
  }
  backBuffer_.CopyTo(windowPaint.Dc());
  return true;
}

void GdiPlusRenderer::Resize(int width, int height) { backBuffer_.Fit(width, height); }

}  // namespace toolkit::platform::win32
