#pragma once

#include <cstdint>
#include <memory>
#include <span>

#include "toolkit/platform/platform.h"

namespace toolkit::platform::qt {

// Throws std::runtime_error when the bytes are not a PNG picture.
std::unique_ptr<Bitmap> DecodePngBitmap(std::span<const std::uint8_t> png);

}  // namespace toolkit::platform::qt
