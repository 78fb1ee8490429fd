#pragma once

#include <d2d1.h>
#include <dwrite.h>
#include <wrl/client.h>

#include <cstdint>

#include "toolkit/platform/win32/surface_canvas.h"

namespace toolkit::platform::win32 {

// What a Direct2D canvas draws with, owned by its renderer.
struct Direct2DTarget {
  ID2D1Factory* factory = nullptr;
  ID2D1RenderTarget* target = nullptr;
  // Tells this render target's copies of bitmaps from those of others.
  std::uint64_t targetSerial = 0;
  IDWriteFactory* textFactory = nullptr;
  IDWriteTextFormat* textFormat = nullptr;
};

// A canvas over a Direct2D render target between BeginDraw and EndDraw. Destroy it before
// EndDraw: it takes back the clip it pushed.
class Direct2DCanvas : public SurfaceCanvas {
 public:
  Direct2DCanvas(const Direct2DTarget& target, const Rect& surface);
  ~Direct2DCanvas() override;

  void FillRect(const Rect& rect, Color color) override;
  void FrameRect(const Rect& rect, Color color, int width) override;
  void DrawBitmap(const Bitmap& bitmap, const Rect& target, double opacity) override;
  void DrawText(const Rect& rect, std::string_view text, Color color, TextLayout layout) override;

 private:
  void ApplyClip(const Rect& surfaceClip) override;
  void PopClip();
  ID2D1SolidColorBrush* Brush(Color color);
  ID2D1Bitmap* Direct2DCopy(const Bitmap& bitmap);

  Direct2DTarget target_;
  Microsoft::WRL::ComPtr<ID2D1SolidColorBrush> brush_;
  bool clipPushed_ = false;
};

}  // namespace toolkit::platform::win32
