#pragma once

#include "toolkit/platform/win32/windows_api.h"

namespace toolkit::platform::win32 {

// BeginPaint … EndPaint around the answer to one WM_PAINT, however the painting ends.
class WindowPaint {
 public:
  explicit WindowPaint(HWND window) : window_(window) { dc_ = BeginPaint(window_, &paint_); }
  ~WindowPaint() { EndPaint(window_, &paint_); }
  WindowPaint(const WindowPaint&) = delete;
  WindowPaint& operator=(const WindowPaint&) = delete;

  HDC Dc() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_{};
  HDC dc_ = nullptr;
};

}  // namespace toolkit::platform::win32
