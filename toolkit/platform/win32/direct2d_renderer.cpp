#include "toolkit/platform/win32/direct2d_renderer.h"

#include <atomic>

#include "toolkit/platform/win32/direct2d_canvas.h"
#include "toolkit/platform/win32/platform_font.h"
#include "toolkit/platform/win32/window_paint.h"

namespace toolkit::platform::win32 {

using Microsoft::WRL::ComPtr;

namespace {

constexpr float kPixelsPerInch = 96.0f;

bool renderTargetsFail = false;

std::uint64_t NextTargetSerial() {
  static std::atomic<std::uint64_t> serial{0};
  return ++serial;
}

ComPtr<IDWriteTextFormat> CreatePlatformTextFormat(IDWriteFactory& factory) {
  ComPtr<IDWriteFontCollection> fonts;
  if (FAILED(factory.GetSystemFontCollection(&fonts, FALSE))) return nullptr;
  const wchar_t* family = InstalledPlatformFontFamily([&](const wchar_t* name) {
    UINT32 index = 0;
    BOOL exists = FALSE;
    return SUCCEEDED(fonts->FindFamilyName(name, &index, &exists)) && exists;
  });
  wchar_t locale[LOCALE_NAME_MAX_LENGTH] = L"";
  GetUserDefaultLocaleName(locale, LOCALE_NAME_MAX_LENGTH);
  ComPtr<IDWriteTextFormat> format;
  if (FAILED(factory.CreateTextFormat(family, fonts.Get(), DWRITE_FONT_WEIGHT_REGULAR, DWRITE_FONT_STYLE_NORMAL,
                                      DWRITE_FONT_STRETCH_NORMAL, kPlatformFontPixels, locale, &format))) {
    return nullptr;
  }
  return format;
}

// BeginDraw … EndDraw; a device lost meanwhile drops the render target, to be made again.
class DrawingFrame {
 public:
  DrawingFrame(ComPtr<ID2D1HwndRenderTarget>& target, HWND window) : target_(target), window_(window) {
    target_->BeginDraw();
  }
  ~DrawingFrame() {
    if (target_->EndDraw() == static_cast<HRESULT>(D2DERR_RECREATE_TARGET)) {
      target_.Reset();
      InvalidateRect(window_, nullptr, FALSE);
    }
  }
  DrawingFrame(const DrawingFrame&) = delete;
  DrawingFrame& operator=(const DrawingFrame&) = delete;

 private:
  ComPtr<ID2D1HwndRenderTarget>& target_;
  HWND window_;
};

}  // namespace

std::unique_ptr<Direct2DRenderer> Direct2DRenderer::Create(HWND window) {
  Direct2DFactories factories = CreateDirect2DFactories();
  if (!factories.drawing || !factories.text) return nullptr;
  ComPtr<IDWriteTextFormat> textFormat = CreatePlatformTextFormat(*factories.text.Get());
  if (!textFormat) return nullptr;
  return std::unique_ptr<Direct2DRenderer>(new Direct2DRenderer(window, std::move(factories), std::move(textFormat)));
}

Direct2DRenderer::Direct2DRenderer(HWND window, Direct2DFactories factories, ComPtr<IDWriteTextFormat> textFormat)
    : window_(window), factories_(std::move(factories)), textFormat_(std::move(textFormat)) {}

bool Direct2DRenderer::MakeTarget() {
  if (target_) return true;
  RECT client{};
  GetClientRect(window_, &client);
  const D2D1_RENDER_TARGET_PROPERTIES properties = D2D1::RenderTargetProperties(
      D2D1_RENDER_TARGET_TYPE_DEFAULT, D2D1::PixelFormat(DXGI_FORMAT_B8G8R8A8_UNORM, D2D1_ALPHA_MODE_IGNORE),
      kPixelsPerInch, kPixelsPerInch);
  const D2D1_HWND_RENDER_TARGET_PROPERTIES windowProperties = D2D1::HwndRenderTargetProperties(
      window_, D2D1::SizeU(static_cast<UINT32>(client.right), static_cast<UINT32>(client.bottom)));
  if (renderTargetsFail ||
      FAILED(factories_.drawing->CreateHwndRenderTarget(properties, windowProperties, &target_))) {
    return false;
  }
  target_->SetTextAntialiasMode(D2D1_TEXT_ANTIALIAS_MODE_GRAYSCALE);
  targetSerial_ = NextTargetSerial();
  return true;
}

bool Direct2DRenderer::Paint(const std::function<void(Canvas&)>& paint) {
  // Before the window is validated, so that the renderer taking over still finds it invalid.
  if (!MakeTarget()) return false;
  WindowPaint windowPaint(window_);
  Draw(paint);
  return true;
}

void Direct2DRenderer::Draw(const std::function<void(Canvas&)>& paint) {
  const D2D1_SIZE_U size = target_->GetPixelSize();
  DrawingFrame frame(target_, window_);
  // Made after the frame, so destroyed before its EndDraw.
  const Rect surface{0, 0, static_cast<int>(size.width), static_cast<int>(size.height)};
  Direct2DCanvas canvas(Direct2DTarget{.factory = factories_.drawing.Get(),
                                       .target = target_.Get(),
                                       .targetSerial = targetSerial_,
                                       .textFactory = factories_.text.Get(),
                                       .textFormat = textFormat_.Get()},
                        surface);
  canvas.FillRect(surface, kBlankClientArea);
  paint(canvas);
}

void Direct2DRenderer::Resize(int width, int height) {
  if (target_) target_->Resize(D2D1::SizeU(static_cast<UINT32>(width), static_cast<UINT32>(height)));
}

void FailDirect2DRenderTargets(bool fail) { renderTargetsFail = fail; }

}  // namespace toolkit::platform::win32
