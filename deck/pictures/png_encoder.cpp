#include "pictures/png_encoder.h"

#include <array>
#include <cstdint>

namespace deck {
namespace {

// CRC-32 as PNG chunks use it (ISO 3309, reflected polynomial 0xEDB88320).
std::uint32_t Crc32(const QByteArray& bytes) {
  static const std::array<std::uint32_t, 256> kTable = [] {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
      std::uint32_t c = n;
      for (int bit = 0; bit < 8; ++bit) {
        c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      }
      table[n] = c;
    }
    return table;
  }();
  std::uint32_t crc = 0xFFFFFFFFu;
  for (const char byte : bytes) {
    crc = kTable[(crc ^ static_cast<std::uint8_t>(byte)) & 0xFF] ^ (crc >> 8);
  }
  return crc ^ 0xFFFFFFFFu;
}

void AppendBigEndian(QByteArray& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8) {
    out.append(static_cast<char>((value >> shift) & 0xFF));
  }
}

void AppendChunk(QByteArray& png, const char* type, const QByteArray& data) {
  const QByteArray typed = QByteArray(type, 4) + data;
  AppendBigEndian(png, static_cast<std::uint32_t>(data.size()));
  png.append(typed);
  AppendBigEndian(png, Crc32(typed));
}

}  // namespace

QByteArray EncodePng(const RgbaImage& image) {
  constexpr char kBitDepth = 8;
  constexpr char kColourTypeRgba = 6;
  constexpr char kDeflate = 0;
  constexpr char kAdaptiveFilters = 0;
  constexpr char kNotInterlaced = 0;
  QByteArray header;
  AppendBigEndian(header, static_cast<std::uint32_t>(image.width));
  AppendBigEndian(header, static_cast<std::uint32_t>(image.height));
  header.append(kBitDepth).append(kColourTypeRgba).append(kDeflate);
  header.append(kAdaptiveFilters).append(kNotInterlaced);

  constexpr char kNoFilter = 0;
  const qsizetype rowBytes = static_cast<qsizetype>(image.width) * 4;
  QByteArray scanlines;
  scanlines.reserve((rowBytes + 1) * image.height);
  for (int row = 0; row < image.height; ++row) {
    scanlines.append(kNoFilter);
    scanlines.append(reinterpret_cast<const char*>(image.bytes.data()) + row * rowBytes, rowBytes);
  }
  // qCompress puts the uncompressed length in four bytes before the zlib stream.
  const QByteArray zlibStream = qCompress(scanlines, 9).mid(4);

  QByteArray png("\x89PNG\r\n\x1a\n", 8);
  AppendChunk(png, "IHDR", header);
  AppendChunk(png, "IDAT", zlibStream);
  AppendChunk(png, "IEND", QByteArray());
  return png;
}

}  // namespace deck
