#include "icon/tools/ico_file.h"

#include <cstddef>
#include <stdexcept>

namespace icon {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kLargestSize = 256;  // also the size from which images are kept as PNG
constexpr std::size_t kDirectoryHeaderBytes = 6;
constexpr std::size_t kDirectoryEntryBytes = 16;
constexpr std::uint32_t kBitmapInfoHeaderBytes = 40;
constexpr std::uint16_t kBitsPerPixel = 32;

void AppendLittleEndian(Bytes& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) {
    out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
  }
}
void Append16(Bytes& out, std::uint32_t value) { AppendLittleEndian(out, value, 2); }
void Append32(Bytes& out, std::uint32_t value) { AppendLittleEndian(out, value, 4); }

Bytes Bitmap(const deck::RgbaImage& image) {
  const int w = image.width;
  const int h = image.height;
  const std::size_t maskRowBytes = static_cast<std::size_t>((w + 31) / 32) * 4;
  const std::size_t colourBytes = static_cast<std::size_t>(w) * h * 4;
  const std::size_t maskBytes = maskRowBytes * h;
  Bytes dib;
  dib.reserve(kBitmapInfoHeaderBytes + colourBytes + maskBytes);
  Append32(dib, kBitmapInfoHeaderBytes);
  Append32(dib, static_cast<std::uint32_t>(w));
  Append32(dib, static_cast<std::uint32_t>(2 * h));  // the colour rows, then the mask's
  Append16(dib, 1);                                  // planes
  Append16(dib, kBitsPerPixel);
  Append32(dib, 0);  // BI_RGB: uncompressed
  Append32(dib, static_cast<std::uint32_t>(colourBytes + maskBytes));
  for (int unused = 0; unused < 4; ++unused) {
    Append32(dib, 0);  // resolution and palette fields, unused here
  }
  const auto pixel = [&](int column, int row) {
    return &image.bytes[(static_cast<std::size_t>(row) * w + column) * 4];
  };
  for (int row = h - 1; row >= 0; --row) {
    for (int column = 0; column < w; ++column) {
      const std::uint8_t* rgba = pixel(column, row);
      dib.insert(dib.end(), {rgba[2], rgba[1], rgba[0], rgba[3]});
    }
  }
  for (int row = h - 1; row >= 0; --row) {
    Bytes mask(maskRowBytes, 0);
    for (int column = 0; column < w; ++column) {
      if (pixel(column, row)[3] == 0) {
        mask[column / 8] |= static_cast<std::uint8_t>(0x80 >> (column % 8));
      }
    }
    dib.insert(dib.end(), mask.begin(), mask.end());
  }
  return dib;
}

}  // namespace

std::vector<std::uint8_t> IcoFile(std::span<const IcoImage> images) {
  std::vector<Bytes> stored;
  for (const IcoImage& image : images) {
    const int size = image.pixels.width;
    if (image.pixels.height != size || size < 1 || size > kLargestSize) {
      throw std::invalid_argument("an icon image must be square, 1 to 256 pixels");
    }
    stored.push_back(size == kLargestSize ? image.png : Bitmap(image.pixels));
  }

  Bytes ico;
  Append16(ico, 0);  // reserved
  Append16(ico, 1);  // an icon, not a cursor
  Append16(ico, static_cast<std::uint32_t>(images.size()));
  std::size_t offset = kDirectoryHeaderBytes + kDirectoryEntryBytes * images.size();
  for (std::size_t i = 0; i < images.size(); ++i) {
    const int size = images[i].pixels.width;
    const std::uint8_t sizeByte = size == kLargestSize ? 0 : static_cast<std::uint8_t>(size);
    ico.insert(ico.end(), {sizeByte, sizeByte, 0, 0});  // width, height, no palette, reserved
    Append16(ico, 1);                                   // planes
    Append16(ico, kBitsPerPixel);
    Append32(ico, static_cast<std::uint32_t>(stored[i].size()));
    Append32(ico, static_cast<std::uint32_t>(offset));
    offset += stored[i].size();
  }
  for (const Bytes& data : stored) {
    ico.insert(ico.end(), data.begin(), data.end());
  }
  return ico;
}

}  // namespace icon
