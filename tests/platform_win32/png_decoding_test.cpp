// PNG streams decoded by WIC into premultiplied pixels of the right size; anything else is
// refused.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "tests/platform_win32/encoded_pictures.h"
#include "tests/platform_win32/test_platform.h"
#include "toolkit/platform/win32/decoded_bitmap.h"

namespace lumivor::win32_tests {
namespace {

using toolkit::platform::win32::DecodedBitmap;

// 3 × 2, straight 0xAARRGGBB.
constexpr std::uint32_t kPicture[2][3] = {{0xFFFF0000, 0xFF00FF00, 0xFF0000FF},
                                          {0x80FFFFFF, 0x00000000, 0xFF102030}};

std::vector<std::uint8_t> PicturePng() {
  return EncodePicture(3, 2, [](int x, int y) { return kPicture[y][x]; }, GUID_ContainerFormatPng);
}

TEST(PngDecoding, GivesTheSizeAndThePixelsPremultipliedInBgraOrder) {
  const auto bitmap = TestPlatform().DecodePng(PicturePng());
  ASSERT_EQ(bitmap->Width(), 3);
  ASSERT_EQ(bitmap->Height(), 2);
  const auto& decoded = dynamic_cast<const DecodedBitmap&>(*bitmap);
  ASSERT_EQ(decoded.Stride(), 12);
  const std::vector<std::uint8_t> expected = {
      0x00, 0x00, 0xFF, 0xFF, 0x00, 0xFF, 0x00, 0xFF, 0xFF, 0x00, 0x00, 0xFF,  // red, green, blue
      0x80, 0x80, 0x80, 0x80, 0x00, 0x00, 0x00, 0x00, 0x30, 0x20, 0x10, 0xFF,  // half white, clear, dark
  };
  EXPECT_EQ(decoded.Pixels(), expected);
}

TEST(PngDecoding, TheBytesAreNotNeededOnceDecoded) {
  auto png = PicturePng();
  const auto bitmap = TestPlatform().DecodePng(png);
  png.assign(png.size(), 0);
  const auto& decoded = dynamic_cast<const DecodedBitmap&>(*bitmap);
  EXPECT_EQ(decoded.Pixels()[2], 0xFF);
}

struct Refused {
  const char* name;
  std::vector<std::uint8_t> (*bytes)();
};

const Refused kRefused[] = {
    {"Empty", [] { return std::vector<std::uint8_t>{}; }},
    {"Text", [] {
       const std::string text = "this is not a picture at all";
       return std::vector<std::uint8_t>(text.begin(), text.end());
     }},
    {"SignatureOnly", [] { return std::vector<std::uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}; }},
    {"Truncated", [] {
       auto png = PicturePng();
       png.resize(png.size() / 2);
       return png;
     }},
    {"DamagedImageData", [] {
       auto png = PicturePng();
       // Past the header chunk, inside the compressed pixels and their checksum.
       for (std::size_t i = 41; i < png.size() - 12; ++i) png[i] ^= 0x5A;
       return png;
     }},
    {"BmpPicture", [] { return EncodePicture(3, 2, [](int, int) { return 0xFF808080u; }, GUID_ContainerFormatBmp); }},
};

class PngRefusal : public testing::TestWithParam<Refused> {};

TEST_P(PngRefusal, ThrowsRuntimeError) {
  const std::vector<std::uint8_t> bytes = GetParam().bytes();
  EXPECT_THROW(TestPlatform().DecodePng(bytes), std::runtime_error);
}

INSTANTIATE_TEST_SUITE_P(Garbage, PngRefusal, testing::ValuesIn(kRefused),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace lumivor::win32_tests
