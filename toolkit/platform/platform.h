#pragma once

#include <cstdint>
#include <span>

namespace toolkit::platform {

struct IconImage {
  int size = 0;
  std::span<const std::uint8_t> png;
};

std::span<const IconImage> MainIconImages();

}  // namespace toolkit::platform
