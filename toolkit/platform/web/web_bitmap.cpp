#include "toolkit/platform/web/web_bitmap.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "toolkit/platform/web/page_api.h"

namespace toolkit::platform::web {
namespace {

constexpr std::array<std::uint8_t, 8> kPngSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

}  // namespace

WebBitmap::~WebBitmap() { lumivor_release_image(image_); }

std::unique_ptr<Bitmap> DecodePngBitmap(std::span<const std::uint8_t> png) {
  // The browser reads any picture it knows by its first bytes, whatever type it is told, and a
  // JPEG or WebP is no PNG stream.
  if (png.size() < kPngSignature.size() || !std::equal(kPngSignature.begin(), kPngSignature.end(), png.begin())) {
    throw std::runtime_error("The picture is not a PNG image.");
  }
  std::array<std::int32_t, 2> size{};
  const int image = lumivor_decode_png(png.data(), static_cast<int>(png.size()), size.data());
  if (image == 0) throw std::runtime_error("The picture is not a readable PNG image.");
  return std::make_unique<WebBitmap>(image, size[0], size[1]);
}

}  // namespace toolkit::platform::web
