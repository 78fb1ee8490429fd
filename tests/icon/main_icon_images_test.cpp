#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "tests/support/png_reader.h"
#include "toolkit/platform/platform.h"

namespace {

using toolkit::platform::IconImage;
using toolkit::platform::MainIconImages;

struct Colour {
  std::uint8_t red;
  std::uint8_t green;
  std::uint8_t blue;
};

const std::uint8_t* PixelAt(const DecodedPng& image, int column, int row) {
  return &image.rgba[(static_cast<std::size_t>(row) * image.width + column) * 4];
}

// Mean position of the fully opaque pixels of exactly this colour.
struct Where {
  int count = 0;
  double x = 0;
  double y = 0;
};
Where PixelsOf(const DecodedPng& image, Colour colour) {
  Where where;
  for (int row = 0; row < image.height; ++row) {
    for (int column = 0; column < image.width; ++column) {
      const std::uint8_t* p = PixelAt(image, column, row);
      if (p[0] == colour.red && p[1] == colour.green && p[2] == colour.blue && p[3] == 255) {
        ++where.count;
        where.x += column + 0.5;
        where.y += row + 0.5;
      }
    }
  }
  if (where.count > 0) {
    where.x /= where.count;
    where.y /= where.count;
  }
  return where;
}

TEST(MainIconImages, ComeAtTheFiveSizesSmallestFirst) {
  std::vector<int> sizes;
  for (const IconImage& image : MainIconImages()) sizes.push_back(image.size);
  EXPECT_EQ(sizes, (std::vector<int>{16, 24, 32, 48, 256}));
}

TEST(MainIconImages, EachIsAnRgbaPngOfItsSize) {
  for (const IconImage& image : MainIconImages()) {
    SCOPED_TRACE(image.size);
    const DecodedPng decoded = DecodePng(image.png);
    EXPECT_EQ(decoded.width, image.size);
    EXPECT_EQ(decoded.height, image.size);
  }
}

// A rounded square, transparent beyond its corners, with the masthead light
// above the green sidelight on the left and the red one on the right, each
// in the deck's own colour.
TEST(MainIconImages, ShowAVesselsThreeLightsOnARoundedOpaqueSquare) {
  for (const IconImage& image : MainIconImages()) {
    SCOPED_TRACE(image.size);
    const DecodedPng icon = DecodePng(image.png);
    const int last = image.size - 1;
    for (const auto& [column, row] : {std::pair{0, 0}, {last, 0}, {0, last}, {last, last}}) {
      EXPECT_EQ(PixelAt(icon, column, row)[3], 0) << "corner " << column << ", " << row;
    }
    EXPECT_EQ(PixelAt(icon, image.size / 2, image.size / 2)[3], 255);
    const Where white = PixelsOf(icon, {255, 255, 255});
    const Where green = PixelsOf(icon, {153, 204, 0});
    const Where red = PixelsOf(icon, {255, 0, 0});
    ASSERT_GT(white.count, 0);
    ASSERT_GT(green.count, 0);
    ASSERT_GT(red.count, 0);
    EXPECT_LT(white.y, green.y);
    EXPECT_LT(white.y, red.y);
    EXPECT_LT(green.x, white.x);
    EXPECT_LT(white.x, red.x);
    EXPECT_NEAR(green.y, red.y, 0.5);
  }
}

// Alpha is straight, as PNG wants: where the square's rim is only partly
// covered, its pixels keep the night blue instead of fading towards black.
TEST(MainIconImages, RimPixelsAreTranslucentNightBlueNotDarkened) {
  for (const IconImage& image : MainIconImages()) {
    SCOPED_TRACE(image.size);
    const DecodedPng icon = DecodePng(image.png);
    std::array<int, 4> rimPerQuarter{};
    for (int row = 0; row < icon.height; ++row) {
      for (int column = 0; column < icon.width; ++column) {
        const std::uint8_t* p = PixelAt(icon, column, row);
        if (p[3] > 0 && p[3] < 255) {
          ++rimPerQuarter[2 * (2 * row / icon.height) + 2 * column / icon.width];
          EXPECT_GE(p[2], 0x13) << column << ", " << row << " alpha " << int{p[3]};
          EXPECT_GT(p[2], p[0]) << column << ", " << row;
        }
      }
    }
    for (const int rim : rimPerQuarter) {
      EXPECT_GE(rim, 2) << "each rounded corner is anti-aliased";
    }
  }
}

}  // namespace
