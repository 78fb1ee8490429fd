// Decoded pictures drawn scaled smoothly into whole-pixel rectangles, at an opacity, with
// either renderer and in any window.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/platform_win32/encoded_pictures.h"
#include "tests/platform_win32/painted_window.h"
#include "tests/platform_win32/test_platform.h"

namespace lumivor::win32_tests {
namespace {

using toolkit::Rect;
using toolkit::platform::Bitmap;
using toolkit::platform::Canvas;
using toolkit::platform::win32::RendererKind;

constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kRed = 0xFF0000;
constexpr std::uint32_t kBlue = 0x0000FF;
// 4 × 2, red on the left half, blue on the right.
std::unique_ptr<Bitmap> RedAndBlue() {
  return TestPlatform().DecodePng(EncodePicture(
      4, 2, [](int x, int) { return x < 2 ? 0xFF000000 | kRed : 0xFF000000 | kBlue; }, GUID_ContainerFormatPng));
}

bool Near(std::uint32_t actual, std::uint32_t expected, int tolerance) {
  for (int shift : {0, 8, 16}) {
    const int a = static_cast<int>((actual >> shift) & 0xFF);
    const int e = static_cast<int>((expected >> shift) & 0xFF);
    if (std::abs(a - e) > tolerance) return false;
  }
  return true;
}

class BitmapDrawing : public testing::TestWithParam<RendererKind> {};

TEST_P(BitmapDrawing, FillsItsTargetRectangleExactlyAndBlendsWhereItIsScaledUp) {
  const auto picture = RedAndBlue();
  // Twenty times the picture's size: two columns of 40 pixels each.
  const Rect target{20, 60, 100, 100};
  PaintedWindow window(GetParam());
  const ClientPixels pixels = window.Paint([&](Canvas& canvas) { canvas.DrawBitmap(*picture, target, 1.0); });

  EXPECT_TRUE(Near(pixels.At(25, 80), kRed, 2)) << std::hex << pixels.At(25, 80);
  EXPECT_TRUE(Near(pixels.At(95, 80), kBlue, 2)) << std::hex << pixels.At(95, 80);
  EXPECT_TRUE(Near(pixels.At(20, 60), kRed, 2)) << std::hex << pixels.At(20, 60);
  EXPECT_TRUE(Near(pixels.At(99, 99), kBlue, 2)) << std::hex << pixels.At(99, 99);
  for (auto [x, y] : {std::pair{19, 80}, std::pair{100, 80}, std::pair{60, 59}, std::pair{60, 100}}) {
    EXPECT_EQ(pixels.At(x, y), kWhite) << "at (" << x << ", " << y << ")";
  }
  // Smoothing, not the nearest pixel: between the halves the colours blend.
  int blends = 0;
  for (int x = 40; x < 80; ++x) {
    const std::uint32_t pixel = pixels.At(x, 80);
    blends += (pixel >> 16) > 0x30 && (pixel & 0xFF) > 0x30;
  }
  EXPECT_GE(blends, 4);
}

TEST_P(BitmapDrawing, OpacityBlendsThePictureWithWhatLiesBelow) {
  const auto picture = RedAndBlue();
  PaintedWindow window(GetParam());
  const ClientPixels pixels = window.Paint([&](Canvas& canvas) {
    canvas.DrawBitmap(*picture, Rect{20, 60, 100, 100}, 0.5);
    canvas.DrawBitmap(*picture, Rect{120, 60, 200, 100}, 0.0);
  });

  EXPECT_TRUE(Near(pixels.At(25, 80), 0xFF8080, 6)) << std::hex << pixels.At(25, 80);
  EXPECT_TRUE(Near(pixels.At(95, 80), 0x8080FF, 6)) << std::hex << pixels.At(95, 80);
  EXPECT_EQ(CountPixelsOtherThan(pixels, Rect{120, 60, 200, 100}, kWhite), 0);
}

TEST_P(BitmapDrawing, OnePictureIsDrawnInOneWindowAfterAnother) {
  const auto picture = RedAndBlue();
  const auto paint = [&](Canvas& canvas) { canvas.DrawBitmap(*picture, Rect{20, 60, 100, 100}, 1.0); };
  {
    PaintedWindow first(GetParam());
    first.Paint(paint);
  }
  PaintedWindow second(GetParam());
  const ClientPixels pixels = second.Paint(paint);
  EXPECT_TRUE(Near(pixels.At(25, 80), kRed, 2)) << std::hex << pixels.At(25, 80);
  EXPECT_TRUE(Near(pixels.At(95, 80), kBlue, 2)) << std::hex << pixels.At(95, 80);
}

INSTANTIATE_TEST_SUITE_P(Renderers, BitmapDrawing, testing::Values(RendererKind::Direct2D, RendererKind::GdiPlus),
                         [](const auto& info) { return RendererName(info.param); });

}  // namespace
}  // namespace lumivor::win32_tests
