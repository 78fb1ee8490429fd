#pragma once

#include <d2d1.h>
#include <wrl/client.h>

#include <cstdint>
#include <vector>

#include "toolkit/platform/win32/windows_api.h"

namespace toolkit::platform::win32 {

// A picture decoded once into memory, in the pixel layout both renderers draw from directly:
// 32-bit premultiplied BGRA, top row first, rows of exactly 4 × width bytes.
class DecodedBitmap : public Bitmap {
 public:
  DecodedBitmap(int width, int height, std::vector<std::uint8_t> pixels);

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  int Stride() const { return width_ * 4; }
  const std::vector<std::uint8_t>& Pixels() const { return pixels_; }

  // The copy of the pixels that one Direct2D render target draws, made on first use there.
  // A new render target (another window, or one made again after the device was lost) has a
  // serial number of its own and gets a new copy.
  struct Direct2DCopy {
    std::uint64_t renderTargetSerial = 0;
    Microsoft::WRL::ComPtr<ID2D1Bitmap> bitmap;
  };
  Direct2DCopy& Direct2DCache() const { return direct2DCopy_; }

 private:
  int width_;
  int height_;
  std::vector<std::uint8_t> pixels_;
  mutable Direct2DCopy direct2DCopy_;
};

}  // namespace toolkit::platform::win32
