#pragma once

#include "toolkit/platform/win32/windows_api.h"

#include <cstdint>
#include <memory>

#include "toolkit/platform/win32/direct2d_library.h"
#include "toolkit/platform/win32/window_renderer.h"

namespace toolkit::platform::win32 {

// Draws a window through a Direct2D render target on its window (hardware where the system
// has it), at 96 dots per inch so that one Direct2D unit is one pixel, text by DirectWrite.
class Direct2DRenderer : public WindowRenderer {
 public:
  // Null when Direct2D or DirectWrite is missing or fails. The render target is made at the
  // first Paint, which fails where it cannot be, as again after the device is lost.
  static std::unique_ptr<Direct2DRenderer> Create(HWND window);

  RendererKind Kind() const override { return RendererKind::Direct2D; }
  bool Paint(const std::function<void(Canvas&)>& paint) override;
  void Resize(int width, int height) override;

 private:
  Direct2DRenderer(HWND window, Direct2DFactories factories, Microsoft::WRL::ComPtr<IDWriteTextFormat> textFormat);
  // Makes the render target if there is none; false when it cannot be made.
  bool MakeTarget();
  void Draw(const std::function<void(Canvas&)>& paint);

  HWND window_;
  Direct2DFactories factories_;
  Microsoft::WRL::ComPtr<IDWriteTextFormat> textFormat_;
  Microsoft::WRL::ComPtr<ID2D1HwndRenderTarget> target_;
  std::uint64_t targetSerial_ = 0;
};

// For the backend's own tests of what follows a render target that cannot be made: while set,
// none can. The program itself never calls this.
void FailDirect2DRenderTargets(bool fail);

}  // namespace toolkit::platform::win32
