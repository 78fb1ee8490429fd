#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

// A strict reader for the PNG streams the program carries, independent of
// the encoder that wrote them: 8 bits per channel with alpha, not
// interlaced, any of the five row filters.

struct DecodedPng {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> rgba;  // row by row, 4 bytes a pixel, not premultiplied
};

// A stream that breaks the PNG format or is of any other kind.
struct PngError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Checks the signature, every chunk's CRC, the header, the chunk order and
// that the image data inflates to exactly the rows the header promises;
// throws PngError naming the first defect.
DecodedPng DecodePng(std::span<const std::uint8_t> png);
