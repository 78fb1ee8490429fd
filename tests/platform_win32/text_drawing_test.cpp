// Text in the platform font, 12 pixels: dark, placed in its rectangle as asked, wrapped at
// word boundaries and never cut short, with either renderer.
#include <gtest/gtest.h>

#include <cstdlib>

#include "tests/platform_win32/painted_window.h"

namespace lumivor::win32_tests {
namespace {

using toolkit::Rect;
using toolkit::platform::Canvas;
using toolkit::platform::Color;
using toolkit::platform::TextAlign;
using toolkit::platform::TextLayout;
using toolkit::platform::win32::RendererKind;

constexpr Color kBlack{0x000000};
// Darker than this on every channel counts as ink.
constexpr std::uint32_t kInk = 0xA0;
constexpr char kCaption[] = "Правильный ответ";
constexpr char kLongText[] = "Судно, занятое ловом рыбы тралом, на ходу, вид с носа";

class TextDrawing : public testing::TestWithParam<RendererKind> {
 protected:
  ClientPixels PaintText(const Rect& rect, const char* text, TextLayout layout) {
    PaintedWindow window(GetParam());
    return window.Paint([&](Canvas& canvas) { canvas.DrawText(rect, text, kBlack, layout); });
  }
};

TEST_P(TextDrawing, CentredTextIsDarkTwelvePixelsHighAndInTheMiddleOfItsRectangle) {
  const Rect rect{20, 60, 220, 100};
  const ClientPixels pixels = PaintText(rect, kCaption, TextLayout{});
  const Rect ink = DarkPixelBox(pixels, PaintedWindow::kBelowMarker, kInk);

  ASSERT_GT(ink.Width(), 0) << "no text drawn";
  EXPECT_GE(ink.left, rect.left);
  EXPECT_LE(ink.right, rect.right);
  EXPECT_GE(ink.top, rect.top);
  EXPECT_LE(ink.bottom, rect.bottom);
  // Cyrillic lower case with one capital and a descender (р): about the font's pixel size.
  EXPECT_GE(ink.Height(), 9);
  EXPECT_LE(ink.Height(), 16);
  EXPECT_GT(ink.Width(), 70);
  EXPECT_LE(std::abs((ink.left - rect.left) - (rect.right - ink.right)), 2) << testing::PrintToString(ink);
  EXPECT_LE(std::abs((ink.top - rect.top) - (rect.bottom - ink.bottom)), 4) << testing::PrintToString(ink);
  EXPECT_GT(DarkPixelBox(pixels, PaintedWindow::kBelowMarker, 0x50).Width(), 0) << "the text is not dark";
}

TEST_P(TextDrawing, LeadingTextStartsAtTheTopLeftCorner) {
  const Rect rect{30, 60, 300, 120};
  const ClientPixels pixels =
      PaintText(rect, kCaption, TextLayout{.horizontal = TextAlign::Leading, .vertical = TextAlign::Leading});
  const Rect ink = DarkPixelBox(pixels, PaintedWindow::kBelowMarker, kInk);

  ASSERT_GT(ink.Width(), 0) << "no text drawn";
  EXPECT_GE(ink.left, rect.left);
  EXPECT_LE(ink.left, rect.left + 3);
  EXPECT_GE(ink.top, rect.top);
  EXPECT_LE(ink.top, rect.top + 6);
}

TEST_P(TextDrawing, WrappedTextStaysWithinTheWidthAndRunsOverTheHeightRatherThanBeingCut) {
  // Narrow and low: the text needs several lines, more than the rectangle holds.
  const Rect rect{60, 100, 180, 116};
  const ClientPixels pixels = PaintText(rect, kLongText, TextLayout{.wrap = true});
  const Rect ink = DarkPixelBox(pixels, PaintedWindow::kBelowMarker, kInk);

  ASSERT_GT(ink.Width(), 0) << "no text drawn";
  EXPECT_GE(ink.left, rect.left);
  EXPECT_LE(ink.right, rect.right);
  EXPECT_GE(ink.Height(), 3 * 12) << "fewer than four lines";
  // Centred vertically: it overflows at the top and at the bottom alike.
  EXPECT_LT(ink.top, rect.top);
  EXPECT_GT(ink.bottom, rect.bottom);
  EXPECT_LE(std::abs((rect.top - ink.top) - (ink.bottom - rect.bottom)), 4) << testing::PrintToString(ink);
}

TEST_P(TextDrawing, UnwrappedTextStaysOnOneLineAndRunsOverTheWidth) {
  const Rect rect{110, 100, 210, 130};
  const ClientPixels pixels = PaintText(rect, kLongText, TextLayout{});
  const Rect ink = DarkPixelBox(pixels, PaintedWindow::kBelowMarker, kInk);

  ASSERT_GT(ink.Width(), 0) << "no text drawn";
  EXPECT_LE(ink.Height(), 16);
  EXPECT_LT(ink.left, rect.left);
  EXPECT_GT(ink.right, rect.right);
}

INSTANTIATE_TEST_SUITE_P(Renderers, TextDrawing, testing::Values(RendererKind::Direct2D, RendererKind::GdiPlus),
                         [](const auto& info) { return RendererName(info.param); });

}  // namespace
}  // namespace lumivor::win32_tests
