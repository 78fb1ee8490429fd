#include "toolkit/platform/win32/decoded_bitmap.h"

#include <stdexcept>

namespace toolkit::platform::win32 {

DecodedBitmap::DecodedBitmap(int width, int height, std::vector<std::uint8_t> pixels)
    : width_(width), height_(height), pixels_(std::move(pixels)) {
  if (width < 0 || height < 0 ||
      pixels_.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4) {
    throw std::invalid_argument("the pixels do not fill the bitmap");
  }
}

}  // namespace toolkit::platform::win32
