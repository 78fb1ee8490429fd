// The Windows icon file MAINICON.ico that the build writes for the
// executable's resources, read field by field.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <span>
#include <vector>

#include "tests/support/png_reader.h"
#include "toolkit/platform/platform.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kDirectoryEntryBytes = 16;
constexpr std::size_t kFirstImageOffset = 6 + 5 * kDirectoryEntryBytes;

Bytes ReadIcoFile() {
  std::ifstream file(LUMIVOR_MAINICON_ICO, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::uint32_t LittleEndian(const Bytes& bytes, std::size_t at, int length) {
  std::uint32_t value = 0;
  for (int i = length - 1; i >= 0; --i) value = value << 8 | bytes.at(at + i);
  return value;
}

struct Entry {
  int width;
  int height;
  int paletteColours;
  int reserved;
  int planes;
  int bitsPerPixel;
  std::uint32_t bytes;
  std::uint32_t offset;
};

Entry EntryAt(const Bytes& ico, int index) {
  const std::size_t at = 6 + index * kDirectoryEntryBytes;
  return {ico.at(at),
          ico.at(at + 1),
          ico.at(at + 2),
          ico.at(at + 3),
          static_cast<int>(LittleEndian(ico, at + 4, 2)),
          static_cast<int>(LittleEndian(ico, at + 6, 2)),
          LittleEndian(ico, at + 8, 4),
          LittleEndian(ico, at + 12, 4)};
}

class MainIconFile : public testing::Test {
 protected:
  const Bytes ico = ReadIcoFile();
  const std::span<const toolkit::platform::IconImage> images = toolkit::platform::MainIconImages();
};

TEST_F(MainIconFile, HasADirectoryOfFiveImagesPackedBackToBack) {
  ASSERT_GT(ico.size(), kFirstImageOffset) << LUMIVOR_MAINICON_ICO;
  EXPECT_EQ(LittleEndian(ico, 0, 2), 0u);  // reserved
  EXPECT_EQ(LittleEndian(ico, 2, 2), 1u);  // an icon
  ASSERT_EQ(LittleEndian(ico, 4, 2), 5u);
  const int sizes[] = {16, 24, 32, 48, 256};
  std::uint32_t next = kFirstImageOffset;
  for (int i = 0; i < 5; ++i) {
    SCOPED_TRACE(sizes[i]);
    const Entry entry = EntryAt(ico, i);
    const int sizeByte = sizes[i] == 256 ? 0 : sizes[i];
    EXPECT_EQ(entry.width, sizeByte);
    EXPECT_EQ(entry.height, sizeByte);
    EXPECT_EQ(entry.paletteColours, 0);
    EXPECT_EQ(entry.reserved, 0);
    EXPECT_EQ(entry.planes, 1);
    EXPECT_EQ(entry.bitsPerPixel, 32);
    EXPECT_EQ(entry.offset, next);
    next = entry.offset + entry.bytes;
  }
  EXPECT_EQ(next, ico.size());
}

TEST_F(MainIconFile, KeepsTheLargestImageAsThePngTheProgramCarries) {
  ASSERT_EQ(images.size(), 5u);
  ASSERT_EQ(images[4].size, 256);
  const Entry entry = EntryAt(ico, 4);
  ASSERT_LE(entry.offset + entry.bytes, ico.size());
  const auto stored = ico.begin() + entry.offset;
  EXPECT_TRUE(std::equal(images[4].png.begin(), images[4].png.end(), stored, stored + entry.bytes));
  EXPECT_EQ(DecodePng(std::span(ico).subspan(entry.offset, entry.bytes)).width, 256);
}

// Below 256 pixels: a bitmap with its header, the colour rows bottom-up in
// BGRA holding exactly the pixels of the PNG at that size, then the mask,
// set exactly where a pixel is fully transparent.
TEST_F(MainIconFile, StoresTheSmallerImagesAsBitmapsOfTheSamePixels) {
  ASSERT_EQ(images.size(), 5u);
  for (int i = 0; i < 4; ++i) {
    const int size = images[i].size;
    SCOPED_TRACE(size);
    const DecodedPng png = DecodePng(images[i].png);
    const Entry entry = EntryAt(ico, i);
    const std::size_t maskRowBytes = (size + 31) / 32 * 4;
    const std::size_t colourBytes = static_cast<std::size_t>(size) * size * 4;
    ASSERT_EQ(entry.bytes, 40 + colourBytes + maskRowBytes * size);
    ASSERT_LE(entry.offset + entry.bytes, ico.size());
    const std::size_t at = entry.offset;
    EXPECT_EQ(LittleEndian(ico, at, 4), 40u);  // BITMAPINFOHEADER
    EXPECT_EQ(LittleEndian(ico, at + 4, 4), static_cast<std::uint32_t>(size));
    EXPECT_EQ(LittleEndian(ico, at + 8, 4), static_cast<std::uint32_t>(2 * size));
    EXPECT_EQ(LittleEndian(ico, at + 12, 2), 1u);   // planes
    EXPECT_EQ(LittleEndian(ico, at + 14, 2), 32u);  // bits per pixel
    EXPECT_EQ(LittleEndian(ico, at + 16, 4), 0u);   // BI_RGB
    int wrongColours = 0;
    int wrongMaskBits = 0;
    int transparent = 0;
    for (int row = 0; row < size; ++row) {
      const std::size_t stored = size - 1 - row;  // bottom-up
      for (int column = 0; column < size; ++column) {
        const std::uint8_t* want = &png.rgba[(static_cast<std::size_t>(row) * size + column) * 4];
        const std::size_t colour = at + 40 + (stored * size + column) * 4;
        wrongColours += ico[colour] != want[2] || ico[colour + 1] != want[1] ||
                        ico[colour + 2] != want[0] || ico[colour + 3] != want[3];
        const std::size_t maskByte = at + 40 + colourBytes + stored * maskRowBytes + column / 8;
        const bool masked = (ico[maskByte] >> (7 - column % 8) & 1) != 0;
        wrongMaskBits += masked != (want[3] == 0);
        transparent += want[3] == 0;
      }
    }
    EXPECT_EQ(wrongColours, 0);
    EXPECT_EQ(wrongMaskBits, 0);
    EXPECT_GT(transparent, 0) << "the corners are transparent, so the mask has bits set";
  }
}

}  // namespace
