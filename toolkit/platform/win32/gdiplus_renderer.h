#pragma once

#include "toolkit/platform/win32/windows_api.h"
#include <objidl.h>
#include <gdiplus.h>

#include <memory>

#include "toolkit/platform/win32/back_buffer.h"
#include "toolkit/platform/win32/gdiplus_session.h"
#include "toolkit/platform/win32/window_renderer.h"

namespace toolkit::platform::win32 {

// Draws a window with GDI+ into a back buffer, copied to the window when the frame is done.
class GdiPlusRenderer : public WindowRenderer {
 public:
  explicit GdiPlusRenderer(HWND window);

  RendererKind Kind() const override { return RendererKind::GdiPlus; }
  bool Paint(const std::function<void(Canvas&)>& paint) override;
  void Resize(int width, int height) override;

 private:
  // First, so that the GDI+ objects below are gone before the session ends.
  std::shared_ptr<GdiPlusSession> session_;
  HWND window_;
  std::unique_ptr<Gdiplus::FontFamily> fontFamily_;
  std::unique_ptr<Gdiplus::Font> font_;
  BackBuffer backBuffer_;
};

}  // namespace toolkit::platform::win32
