#include "deck/pictures/tools/png_encoder.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

#include "deck/pictures/tools/deflate.h"

namespace deck {
namespace {

using Bytes = std::vector<std::uint8_t>;

void AppendBigEndian(Bytes& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) {
    out.push_back(static_cast<std::uint8_t>(value >> shift));
  }
}

std::uint32_t Crc32(std::span<const std::uint8_t> bytes) {
  static const std::array<std::uint32_t, 256> table = [] {
    std::array<std::uint32_t, 256> entries{};
    for (std::uint32_t byte = 0; byte < entries.size(); ++byte) {
      std::uint32_t value = byte;
      for (int bit = 0; bit < 8; ++bit) value = (value & 1) ? 0xEDB88320u ^ (value >> 1) : value >> 1;
      entries[byte] = value;
    }
    return entries;
  }();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (const std::uint8_t byte : bytes) crc = table[(crc ^ byte) & 0xFF] ^ (crc >> 8);
  return crc ^ 0xFFFFFFFFu;
}

void AppendChunk(Bytes& png, std::string_view type, const Bytes& data) {
  AppendBigEndian(png, static_cast<std::uint32_t>(data.size()));
  const std::size_t typeStart = png.size();
  png.insert(png.end(), type.begin(), type.end());
  png.insert(png.end(), data.begin(), data.end());
  // The CRC covers the chunk type and data, not the length.
  AppendBigEndian(png, Crc32(std::span(png).subspan(typeStart)));
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
  AppendChunk(png, "IDAT", ZlibCompress(scanlines));
  AppendChunk(png, "IEND", {});
  return png;
}

}  // namespace deck
