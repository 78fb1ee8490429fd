#pragma once

#include "toolkit/platform/win32/windows_api.h"
#include <objidl.h>
#include <gdiplus.h>

#include "toolkit/platform/win32/surface_canvas.h"

namespace toolkit::platform::win32 {

// A canvas over a GDI+ Graphics, drawing what Direct2DCanvas draws with the same geometry:
// pixel centres at half pixels, rectangles aliased on whole pixels.
class GdiPlusCanvas : public SurfaceCanvas {
 public:
  GdiPlusCanvas(Gdiplus::Graphics& graphics, const Gdiplus::Font& font, const Rect& surface);

  void FillRect(const Rect& rect, Color color) override;
  void FrameRect(const Rect& rect, Color color, int width) override;
  void DrawBitmap(const Bitmap& bitmap, const Rect& target, double opacity) override;
  void DrawText(const Rect& rect, std::string_view text, Color color, TextLayout layout) override;

 private:
  void ApplyClip(const Rect& surfaceClip) override;

  Gdiplus::Graphics& graphics_;
  const Gdiplus::Font& font_;
};

}  // namespace toolkit::platform::win32
