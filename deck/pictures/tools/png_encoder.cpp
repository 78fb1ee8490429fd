#include "deck/pictures/tools/png_encoder.h"

#include <zlib.h>

#include <cstddef>
#include <stdexcept>
#include <string_view>

namespace deck {
namespace {

using Bytes = std::vector<std::uint8_t>;

void AppendBigEndian(Bytes& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) {
    out.push_back(static_cast<std::uint8_t>(value >> shift));
  }
}

void AppendChunk(Bytes& png, std::string_view type, const Bytes& data) {
  AppendBigEndian(png, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeStart = png.size();
  png.insert(png.end(), type.begin(), type.end());
  png.insert(png.end(), data.begin(), data.end());
  // The CRC covers the chunk type and data, not the length.
  const uLong crc = crc32(crc32(0L, Z_NULL, 0), png.data() + typeStart,
                          static_cast<uInt>(png.size() - typeStart));
  AppendBigEndian(png, static_cast<std::uint32_t>(crc));
}

Bytes Deflate(const Bytes& raw) {
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  Bytes stream(size);
  if (compress2(stream.data(), &size, raw.data(), static_cast<uLong>(raw.size()),
                Z_BEST_COMPRESSION) != Z_OK) {
    throw std::runtime_error("zlib could not deflate a picture");
  }
  stream.resize(size);
  return stream;
}

}  // namespace

std::vector<std::uint8_t> EncodePng(const RgbaImage& image) {
  constexpr std::uint8_t kBitDepth = 8;
  constexpr std::uint8_t kColourTypeRgba = 6;
  constexpr std::uint8_t kDeflate = 0;
  constexpr std::uint8_t kAdaptiveFilters = 0;
  constexpr std::uint8_t kNotInterlaced = 0;
  Bytes header;
  AppendBigEndian(header, static_cast<std::uint32_t>(image.width));
  AppendBigEndian(header, static_cast<std::uint32_t>(image.height));
  header.insert(header.end(),
                {kBitDepth, kColourTypeRgba, kDeflate, kAdaptiveFilters, kNotInterlaced});

  constexpr std::uint8_t kNoFilter = 0;
  const std::size_t rowBytes = static_cast<std::size_t>(image.width) * 4;
  Bytes scanlines;
  scanlines.reserve((rowBytes + 1) * image.height);
  for (int row = 0; row < image.height; ++row) {
    const auto rowStart = image.bytes.begin() + static_cast<std::ptrdiff_t>(row * rowBytes);
    scanlines.push_back(kNoFilter);
    scanlines.insert(scanlines.end(), rowStart, rowStart + static_cast<std::ptrdiff_t>(rowBytes));
  }

  Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  AppendChunk(png, "IHDR", header);
  AppendChunk(png, "IDAT", Deflate(scanlines));
  AppendChunk(png, "IEND", {});
  return png;
}

}  // namespace deck
