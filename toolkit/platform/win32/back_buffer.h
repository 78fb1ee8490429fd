#pragma once

#include "toolkit/platform/win32/windows_api.h"

namespace toolkit::platform::win32 {

// An off-screen 32-bit bitmap with its own device context, the size of a client area: a frame
// is drawn into it whole and then copied to the window in one go, so no half-drawn frame is
// ever seen.
class BackBuffer {
 public:
  BackBuffer() = default;
  ~BackBuffer();
  BackBuffer(const BackBuffer&) = delete;
  BackBuffer& operator=(const BackBuffer&) = delete;

  // Makes the buffer width × height unless it is that size already.
  void Fit(int width, int height);
  HDC Dc() const { return dc_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // Copies the buffer to (0, 0) of `target`.
  void CopyTo(HDC target) const;

 private:
  void Release();

  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previousBitmap_ = nullptr;
  int width_ = 0;
  int height_ = 0;
};

}  // namespace toolkit::platform::win32
