#pragma once

#include "toolkit/platform/platform.h"

namespace toolkit::platform::web {

// A picture the browser has decoded, kept by the page under an id until the bitmap goes.
class WebBitmap final : public Bitmap {
 public:
  WebBitmap(int image, int width, int height) : image_(image), width_(width), height_(height) {}
  ~WebBitmap() override;
  WebBitmap(const WebBitmap&) = delete;
  WebBitmap& operator=(const WebBitmap&) = delete;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  int Image() const { return image_; }

 private:
  int image_;
  int width_;
  int height_;
};

// Decodes the PNG stream by the browser, waiting for it; throws when the bytes are no picture.
std::unique_ptr<Bitmap> DecodePngBitmap(std::span<const std::uint8_t> png);

}  // namespace toolkit::platform::web
