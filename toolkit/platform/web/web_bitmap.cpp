#include "toolkit/platform/web/web_bitmap.h"

#include <array>
#include <stdexcept>

#include "toolkit/platform/web/page_api.h"

namespace toolkit::platform::web {

WebBitmap::~WebBitmap() { lumivor_release_image(image_); }

std::unique_ptr<Bitmap> DecodePngBitmap(std::span<const std::uint8_t> png) {
  std::array<std::int32_t, 2> size{};
  const int image = lumivor_decode_png(png.data(), static_cast<int>(png.size()), size.data());
  if (image == 0) throw std::runtime_error("The picture is not a readable PNG image.");
  return std::make_unique<WebBitmap>(image, size[0], size[1]);
}

}  // namespace toolkit::platform::web
