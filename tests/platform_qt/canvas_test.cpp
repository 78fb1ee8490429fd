#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <algorithm>

#include "tests/support/exact_canvas_cases.h"
#include "tests/support/recording_window_events.h"
#include "tests/platform_qt/test_pictures.h"
#include "tests/platform_qt/test_platform.h"

namespace {

using toolkit::Rect;
using toolkit::platform::Canvas;
using toolkit::platform::Color;
using toolkit::platform::TextAlign;
using toolkit::platform::TextLayout;
using namespace canvas_colors;

// Paints through a real window and reads back what reached its pixels.
class CanvasTest : public testing::Test {
 protected:
  QImage Paint(std::function<void(Canvas&)> paint) {
    events_.paint = [paint](Canvas& canvas) {
      canvas.FillRect({0, 0, kWidth, kHeight}, kWhite);
      paint(canvas);
    };
    return WidgetOf(*window_).grab().toImage().convertToFormat(QImage::Format_RGB32);
  }

  // The expected picture, drawn pixel by pixel without Qt's painter.
  static QImage White() {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
  }
  static void Fill(QImage& image, const Rect& rect, Color color) {
    for (int y = rect.top; y < rect.bottom; ++y) {
      for (int x = rect.left; x < rect.right; ++x) image.setPixel(x, y, 0xFF000000 | color.rgb);
    }
  }

  static std::unique_ptr<toolkit::platform::Bitmap> Decode(const QImage& image) {
    const std::vector<std::uint8_t> png = EncodeImage(image);
    return TestPlatform().DecodePng(png);
  }

  static constexpr int kWidth = kExactCanvasWidth;
  static constexpr int kHeight = kExactCanvasHeight;
  RecordingWindowEvents events_;
  std::unique_ptr<toolkit::platform::Window> window_ = [this] {
    auto window = TestPlatform().CreateWindow(events_);
    window->SetClientSize(kWidth, kHeight);
    return window;
  }();
};

int Gray(QRgb pixel) { return qGray(pixel); }

// The bounding box of the pixels darker than mid-grey.
QRect DarkPixels(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (Gray(image.pixel(x, y)) < 128) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

TEST_F(CanvasTest, ShapesCoverExactlyTheirPixels) {
  for (const ExactCanvasCase& exact : ExactCanvasCases()) {
    QImage expected = White();
    for (const auto& [rect, color] : exact.expected) Fill(expected, rect, color);
    EXPECT_EQ(FirstDifference(Paint(exact.paint), expected), "") << exact.name;
  }
}

TEST_F(CanvasTest, BitmapsAreScaledSmoothlyIntoTheirTarget) {
  QImage blackThenWhite(2, 1, QImage::Format_ARGB32);
  blackThenWhite.setPixel(0, 0, 0xFF000000);
  blackThenWhite.setPixel(1, 0, 0xFFFFFFFF);
  const auto bitmap = Decode(blackThenWhite);
  ASSERT_EQ(bitmap->Width(), 2);
  ASSERT_EQ(bitmap->Height(), 1);

  const QImage painted = Paint([&](Canvas& canvas) {
    canvas.FillRect({0, 0, kWidth, kHeight}, kRed);
    canvas.DrawBitmap(*bitmap, {10, 10, 50, 20}, 1.0);
  });

  const int row = 15;
  EXPECT_LT(Gray(painted.pixel(10, row)), 10);
  EXPECT_GT(Gray(painted.pixel(49, row)), 245);
  int between = 0;
  for (int x = 10; x < 50; ++x) {
    const int gray = Gray(painted.pixel(x, row));
    if (x > 10) {
      EXPECT_GE(gray, Gray(painted.pixel(x - 1, row))) << "column " << x;
    }
    if (gray > 30 && gray < 225) ++between;
  }
  EXPECT_GE(between, 10) << "a smooth ramp, not two blocks";
  for (const QPoint outside : {QPoint(9, row), QPoint(50, row), QPoint(30, 9), QPoint(30, 20)}) {
    EXPECT_EQ(painted.pixel(outside) & 0xFFFFFF, kRed.rgb) << outside.x() << "," << outside.y();
  }
}

TEST_F(CanvasTest, BitmapsBlendByOpacityAndAlpha) {
  QImage blueWithAHole(4, 4, QImage::Format_ARGB32);
  blueWithAHole.fill(0xFF0000FF);
  blueWithAHole.setPixel(3, 3, 0x00000000);
  const auto bitmap = Decode(blueWithAHole);

  const QImage painted = Paint([&](Canvas& canvas) {
    canvas.FillRect({0, 0, kWidth, kHeight}, kRed);
    canvas.DrawBitmap(*bitmap, {0, 0, 4, 4}, 0.5);
    canvas.DrawBitmap(*bitmap, {10, 0, 14, 4}, 1.0);
  });

  const QColor half(painted.pixel(1, 1));
  EXPECT_NEAR(half.red(), 128, 3);
  EXPECT_EQ(half.green(), 0);
  EXPECT_NEAR(half.blue(), 128, 3);
  EXPECT_EQ(painted.pixel(11, 1) & 0xFFFFFF, kBlue.rgb);
  EXPECT_EQ(painted.pixel(13, 3) & 0xFFFFFF, kRed.rgb) << "the transparent pixel shows what lies beneath";
}

TEST_F(CanvasTest, WrappedCentredTextStaysDarkInsideItsRectangle) {
  const Rect area{5, 2, 55, 38};
  const QImage painted =
      Paint([&](Canvas& canvas) { canvas.DrawText(area, "Огни на мачте видны", Color{0x000000}, {.wrap = true}); });

  const QRect dark = DarkPixels(painted);
  ASSERT_FALSE(dark.isEmpty());
  EXPECT_TRUE(QRect(area.left, area.top, area.Width(), area.Height()).contains(dark)) << "never cut or spilled";
  EXPECT_GT(dark.height(), 20) << "wrapped onto more than one 12-pixel line";
  EXPECT_NEAR(dark.left() - area.left, area.right - 1 - dark.right(), 6) << "centred across";
  EXPECT_NEAR(dark.top() - area.top, area.bottom - 1 - dark.bottom(), 6) << "centred down";
  int darkest = 255;
  for (int y = dark.top(); y <= dark.bottom(); ++y) {
    for (int x = dark.left(); x <= dark.right(); ++x) darkest = std::min(darkest, Gray(painted.pixel(x, y)));
  }
  EXPECT_LT(darkest, 40);
}

TEST_F(CanvasTest, LeadingTextStartsAtTheLeftEdgeOnOneLine) {
  const Rect area{5, 10, 55, 30};
  const QImage painted = Paint(
      [&](Canvas& canvas) { canvas.DrawText(area, "Огни", Color{0x000000}, {.horizontal = TextAlign::Leading}); });

  const QRect dark = DarkPixels(painted);
  ASSERT_FALSE(dark.isEmpty());
  EXPECT_LE(dark.left() - area.left, 2);
  EXPECT_LT(dark.right(), 35);
  EXPECT_LE(dark.height(), 12) << "one line of 12-pixel text";
  EXPECT_NEAR(dark.top() - area.top, area.bottom - 1 - dark.bottom(), 4) << "centred down";
}

TEST_F(CanvasTest, TheTickIsDarkAntialiasedAndInsideItsBox) {
  const Rect box{20, 10, 33, 23};
  const QImage painted = Paint([&](Canvas& canvas) { canvas.DrawTick(box, kDark); });

  const QRect inside(box.left, box.top, box.Width(), box.Height());
  int dark = 0;
  int partial = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const int gray = Gray(painted.pixel(x, y));
      if (gray == 255) continue;
      EXPECT_TRUE(inside.contains(x, y)) << "ink at " << x << "," << y;
      if (gray < 100) ++dark;
      if (gray > 110 && gray < 230) ++partial;
    }
  }
  EXPECT_GE(dark, 8);
  EXPECT_GE(partial, 4) << "edges blended, not stepped";
  EXPECT_LT(Gray(painted.pixel(box.left + 5, box.top + 9)), 100) << "the bottom of the tick";
  EXPECT_EQ(Gray(painted.pixel(box.left + 1, box.top + 1)), 255);
}

}  // namespace
