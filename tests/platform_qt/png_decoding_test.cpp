#include <gtest/gtest.h>

#include <stdexcept>

#include "tests/platform_qt/test_pictures.h"
#include "tests/platform_qt/test_platform.h"

namespace {

TEST(PngDecodingTest, ReadsThePictureSize) {
  QImage image(7, 3, QImage::Format_ARGB32);
  image.fill(Qt::red);
  const std::vector<std::uint8_t> png = EncodeImage(image);

  const auto bitmap = TestPlatform().DecodePng(png);

  EXPECT_EQ(bitmap->Width(), 7);
  EXPECT_EQ(bitmap->Height(), 3);
}

TEST(PngDecodingTest, RejectsWhatIsNoPng) {
  QImage image(4, 4, QImage::Format_RGB32);
  image.fill(Qt::blue);
  std::vector<std::uint8_t> truncated = EncodeImage(image);
  truncated.resize(truncated.size() / 2);
  const std::string text = "not a picture";
  const std::vector<std::vector<std::uint8_t>> cases = {
      {}, {text.begin(), text.end()}, truncated, EncodeImage(image, "BMP"),  // a picture, but not a PNG one
  };
  for (size_t i = 0; i < cases.size(); ++i) {
    EXPECT_THROW(TestPlatform().DecodePng(cases[i]), std::runtime_error) << "case " << i;
  }
}

}  // namespace
