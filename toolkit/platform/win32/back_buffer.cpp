#include "toolkit/platform/win32/back_buffer.h"

#include <stdexcept>

namespace toolkit::platform::win32 {

BackBuffer::~BackBuffer() { Release(); }

void BackBuffer::Fit(int width, int height) {
  if (dc_ && width == width_ && height == height_) return;
  Release();
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width > 0 ? width : 1;
  info.bmiHeader.biHeight = -(height > 0 ? height : 1);  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  dc_ = CreateCompatibleDC(nullptr);
  bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!dc_ || !bitmap_) {
    Release();
    throw std::runtime_error("the off-screen buffer cannot be made");
  }
  previousBitmap_ = SelectObject(dc_, bitmap_);
  width_ = width;
  height_ = height;
}

void BackBuffer::CopyTo(HDC target) const { BitBlt(target, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY); }

void BackBuffer::Release() {
  if (dc_ && previousBitmap_) SelectObject(dc_, previousBitmap_);
  if (bitmap_) DeleteObject(bitmap_);
  if (dc_) DeleteDC(dc_);
  dc_ = nullptr;
  bitmap_ = nullptr;
  previousBitmap_ = nullptr;
  width_ = height_ = 0;
}

}  // namespace toolkit::platform::win32
