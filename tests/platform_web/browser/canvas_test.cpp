#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <sstream>
#include <utility>
#include <vector>

#include "tests/platform_web/browser/page_values.h"
#include "tests/platform_web/browser/test_platform.h"
#include "tests/support/exact_canvas_cases.h"
#include "tests/support/recording_window_events.h"
#include "tests/support/toolkit_printers.h"

namespace {

using namespace browser_tests;
using toolkit::Rect;
using toolkit::platform::Bitmap;
using toolkit::platform::Canvas;
using toolkit::platform::Color;
using toolkit::platform::TextAlign;
using namespace canvas_colors;

// The bounding box of the pixels darker than mid-grey, in device pixels; empty when none is.
Rect DarkPixels(const Pixels& pixels) {
  Rect box{pixels.width, pixels.height, 0, 0};
  for (int y = 0; y < pixels.height; ++y) {
    for (int x = 0; x < pixels.width; ++x) {
      if (pixels.Gray(x, y) >= 128) continue;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1)};
    }
  }
  return box;
}

// The runs of rows with dark pixels, top to bottom: the lines of a text, as [top, bottom).
std::vector<std::pair<int, int>> DarkRowRuns(const Pixels& pixels) {
  std::vector<std::pair<int, int>> runs;
  for (int y = 0; y < pixels.height; ++y) {
    bool dark = false;
    for (int x = 0; x < pixels.width && !dark; ++x) dark = pixels.Gray(x, y) < 128;
    if (!dark) continue;
    if (!runs.empty() && runs.back().second == y) {
      runs.back().second = y + 1;
    } else {
      runs.push_back({y, y + 1});
    }
  }
  return runs;
}

// Paints through a real window filling the page and reads back what its canvas shows, in
// device pixels: one layout unit is `ratio_` of them, and every edge falls on a whole one.
class CanvasTest : public testing::Test {
 protected:
  void SetUp() override {
    window_->Show();
    ASSERT_EQ(ratio_, std::round(ratio_)) << "the exact pictures below need a whole number of device pixels per unit";
  }

  Pixels Paint(std::function<void(Canvas&)> paint) {
    events_.paint = [paint](Canvas& canvas) {
      canvas.FillRect({0, 0, kWidth, kHeight}, kWhite);
      paint(canvas);
    };
    window_->Invalidate();
    window_->Update();
    return ReadCanvas(Device({0, 0, kWidth, kHeight}));
  }

  int Device(int units) const { return static_cast<int>(units * ratio_); }
  Rect Device(const Rect& rect) const {
    return {Device(rect.left), Device(rect.top), Device(rect.right), Device(rect.bottom)};
  }

  // The expected picture, drawn pixel by pixel without the browser.
  Pixels Expected(const std::vector<std::pair<Rect, Color>>& fills) const {
    Pixels pixels{Device(kWidth), Device(kHeight), {}};
    pixels.rgb.assign(static_cast<std::size_t>(pixels.width) * pixels.height, kWhite.rgb);
    for (const auto& [rect, color] : fills) {
      const Rect device = Device(rect);
      for (int y = device.top; y < device.bottom; ++y) {
        for (int x = device.left; x < device.right; ++x)
          pixels.rgb[static_cast<std::size_t>(y) * pixels.width + x] = color.rgb;
      }
    }
    return pixels;
  }

  static std::unique_ptr<Bitmap> Decode(int width, int height, const std::vector<std::uint32_t>& argb) {
    return TestPlatform().DecodePng(EncodeInBrowser(width, height, argb));
  }

  static constexpr int kWidth = kExactCanvasWidth;
  static constexpr int kHeight = kExactCanvasHeight;
  const double ratio_ = DevicePixelRatio();
  RecordingWindowEvents events_;
  std::unique_ptr<toolkit::platform::Window> window_ = TestPlatform().CreateWindow(events_);
};

// A human-readable account of the first pixel where two pictures differ, or "" when they match.
std::string FirstDifference(const Pixels& actual, const Pixels& expected) {
  std::ostringstream difference;
  if (actual.width != expected.width || actual.height != expected.height) {
    difference << "size " << actual.width << "x" << actual.height << ", expected " << expected.width << "x"
               << expected.height;
    return difference.str();
  }
  for (int y = 0; y < actual.height; ++y) {
    for (int x = 0; x < actual.width; ++x) {
      if (actual.At(x, y) == expected.At(x, y)) continue;
      difference << "pixel (" << x << ", " << y << ") is #" << std::hex << actual.At(x, y) << ", expected #"
                 << expected.At(x, y);
      return difference.str();
    }
  }
  return "";
}

TEST_F(CanvasTest, ShapesCoverExactlyTheirDevicePixels) {
  for (const ExactCanvasCase& exact : ExactCanvasCases()) {
    EXPECT_EQ(FirstDifference(Paint(exact.paint), Expected(exact.expected)), "") << exact.name;
  }
}

TEST_F(CanvasTest, BitmapsAreScaledSmoothlyIntoTheirTarget) {
  const auto bitmap = Decode(2, 1, {0xFF000000, 0xFFFFFFFF});
  ASSERT_EQ(bitmap->Width(), 2);
  ASSERT_EQ(bitmap->Height(), 1);

  const Pixels painted = Paint([&](Canvas& canvas) {
    canvas.FillRect({0, 0, kWidth, kHeight}, kRed);
    canvas.DrawBitmap(*bitmap, {10, 10, 50, 20}, 1.0);
  });

  const Rect target = Device({10, 10, 50, 20});
  const int row = Device(15);
  EXPECT_LT(painted.Gray(target.left, row), 10);
  EXPECT_GT(painted.Gray(target.right - 1, row), 245);
  int between = 0;
  for (int x = target.left; x < target.right; ++x) {
    const int gray = painted.Gray(x, row);
    if (x > target.left) EXPECT_GE(gray, painted.Gray(x - 1, row)) << "column " << x;
    if (gray > 30 && gray < 225) ++between;
  }
  EXPECT_GE(between, Device(10)) << "a smooth ramp, not two blocks";
  const int middle = (target.left + target.right) / 2;
  for (const auto& [x, y] :
       {std::pair{target.left - 1, row}, {target.right, row}, {middle, target.top - 1}, {middle, target.bottom}}) {
    EXPECT_EQ(painted.At(x, y), kRed.rgb) << x << "," << y;
  }
}

TEST_F(CanvasTest, BitmapsBlendByOpacityAndAlpha) {
  std::vector<std::uint32_t> blueWithAHole(16, 0xFF0000FF);
  blueWithAHole.back() = 0x00000000;
  const auto bitmap = Decode(4, 4, blueWithAHole);

  const Pixels painted = Paint([&](Canvas& canvas) {
    canvas.FillRect({0, 0, kWidth, kHeight}, kRed);
    canvas.DrawBitmap(*bitmap, {0, 0, 4, 4}, 0.5);
    canvas.FillRect({5, 0, 9, 4}, kGreen);
    canvas.DrawBitmap(*bitmap, {10, 0, 14, 4}, 1.0);
    // The same picture at two more sizes in one frame.
    canvas.DrawBitmap(*bitmap, {20, 0, 28, 8}, 1.0);
    canvas.DrawBitmap(*bitmap, {30, 0, 36, 6}, 1.0);
  });

  const std::uint32_t half = painted.At(Device(1), Device(1));
  EXPECT_NEAR(static_cast<int>(half >> 16), 128, 3);
  EXPECT_EQ((half >> 8) & 0xFF, 0u);
  EXPECT_NEAR(static_cast<int>(half & 0xFF), 128, 3);
  EXPECT_EQ(painted.At(Device(11), Device(1)), kBlue.rgb);
  EXPECT_EQ(painted.At(Device(14) - 1, Device(4) - 1), kRed.rgb) << "the transparent pixel shows what lies beneath";
  EXPECT_EQ(painted.At(Device(6), Device(1)), kGreen.rgb) << "what follows the picture is opaque again";
  for (const auto& [right, bottom] : {std::pair{28, 8}, {36, 6}}) {
    EXPECT_EQ(painted.At(Device(right) - 1, Device(1)), kBlue.rgb) << right;
    EXPECT_EQ(painted.At(Device(right), Device(1)), kRed.rgb) << right << ": no wider than its target";
    EXPECT_EQ(painted.At(Device(right) - 3, Device(bottom)), kRed.rgb) << right << ": no taller";
  }
}

TEST_F(CanvasTest, WrappedCentredTextStaysDarkInsideItsRectangle) {
  const Rect area{5, 2, 55, 38};
  const Pixels painted = Paint([&](Canvas& canvas) { canvas.DrawText(area, "Огни на мачте", kBlack, {.wrap = true}); });

  const Rect dark = DarkPixels(painted);
  const Rect device = Device(area);
  ASSERT_GT(dark.Width(), 0);
  EXPECT_TRUE(dark.left >= device.left && dark.top >= device.top && dark.right <= device.right &&
              dark.bottom <= device.bottom)
      << "never cut or spilled: " << testing::PrintToString(dark) << " in " << testing::PrintToString(device);
  EXPECT_GT(DarkRowRuns(painted).size(), 1u) << "wrapped onto more than one line";
  EXPECT_NEAR(dark.left - device.left, device.right - dark.right, Device(6)) << "centred across";
  EXPECT_NEAR(dark.top - device.top, device.bottom - dark.bottom, Device(6)) << "centred down";
  int darkest = 255;
  for (int y = dark.top; y < dark.bottom; ++y) {
    for (int x = dark.left; x < dark.right; ++x) darkest = std::min(darkest, painted.Gray(x, y));
  }
  EXPECT_LT(darkest, 40);
}

TEST_F(CanvasTest, TextWrapsAtSpacesAndNeverInsideAWord) {
  // Each word fits the width alone, the two together do not; the long word fits nowhere.
  const Rect area{0, 0, 40, 40};
  const Pixels twoWords = Paint([&](Canvas& canvas) { canvas.DrawText(area, "Огни Огни", kBlack, {.wrap = true}); });
  const Pixels oneWord = Paint([&](Canvas& canvas) {
    canvas.DrawText({10, 0, 30, 40}, "Огнинамачте", kBlack, {.wrap = true});
  });

  const auto lines = DarkRowRuns(twoWords);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].second - lines[0].first, lines[1].second - lines[1].first) << "the same word on each line";
  EXPECT_EQ(DarkRowRuns(oneWord).size(), 1u) << "a word is never broken";
  EXPECT_GT(DarkPixels(oneWord).Width(), Device(20)) << "nor cut short";
}

TEST_F(CanvasTest, LeadingTextStartsAtTheLeftEdgeOnOneLine) {
  const Rect area{5, 10, 55, 30};
  const Pixels painted =
      Paint([&](Canvas& canvas) { canvas.DrawText(area, "Огни", kBlack, {.horizontal = TextAlign::Leading}); });

  const Rect dark = DarkPixels(painted);
  const Rect device = Device(area);
  ASSERT_GT(dark.Width(), 0);
  EXPECT_LE(dark.left - device.left, Device(2));
  EXPECT_LT(dark.right, Device(35));
  EXPECT_LE(dark.Height(), Device(12)) << "one line of 12-unit text";
  EXPECT_NEAR(dark.top - device.top, device.bottom - dark.bottom, Device(4)) << "centred down";
}

// Debian has Open Sans (fonts-open-sans) and no Segoe UI.
TEST_F(CanvasTest, TextIsSetInOpenSansAtTwelveUnitsWhereSegoeUiIsMissing) {
  PageValue(
      "(() => { const fillText = CanvasRenderingContext2D.prototype.fillText; window.textFonts = [];"
      " CanvasRenderingContext2D.prototype.fillText = function(...line) { textFonts.push(this.font);"
      " return fillText.apply(this, line); };"
      " window.restoreFillText = () => { CanvasRenderingContext2D.prototype.fillText = fillText; }; })()");
  Paint([](Canvas& canvas) { canvas.DrawText({0, 0, kWidth, kHeight}, "Огни", kBlack, {}); });
  PageValue("restoreFillText()");

  // The font the text was set in measures as Open Sans at 12 units does, and as no other font.
  const std::string measured =
      "(font => { const context = new OffscreenCanvas(1, 1).getContext('2d'); context.font = font;"
      " return context.measureText('Огни на мачте видны').width; })";
  const std::string size = std::to_string(Device(12)) + "px ";
  ASSERT_EQ(PageNumber("textFonts.length"), 1);
  EXPECT_EQ(PageNumber(measured + "(textFonts[0])"), PageNumber(measured + "('" + size + "\"Open Sans\"')"));
  EXPECT_NE(PageNumber(measured + "(textFonts[0])"), PageNumber(measured + "('" + size + "sans-serif')"));
}

TEST_F(CanvasTest, TheTickIsDarkAntialiasedAndInsideItsBox) {
  const Rect box{20, 10, 33, 23};
  const Pixels painted = Paint([&](Canvas& canvas) { canvas.DrawTick(box, kDark); });

  const Rect inside = Device(box);
  int dark = 0;
  int partial = 0;
  int outside = 0;
  for (int y = 0; y < painted.height; ++y) {
    for (int x = 0; x < painted.width; ++x) {
      const int gray = painted.Gray(x, y);
      if (gray == 255) continue;
      if (x < inside.left || x >= inside.right || y < inside.top || y >= inside.bottom) ++outside;
      if (gray < 100) ++dark;
      if (gray > 110 && gray < 230) ++partial;
    }
  }
  EXPECT_EQ(outside, 0) << "ink outside the box";
  EXPECT_GE(dark, 8 * ratio_ * ratio_);
  EXPECT_GE(partial, 4) << "edges blended, not stepped";
  EXPECT_LT(painted.Gray(Device(box.left + 5), Device(box.top + 9)), 100) << "the bottom of the tick";
  EXPECT_EQ(painted.Gray(Device(box.left + 1), Device(box.top + 1)), 255);
}

TEST_F(CanvasTest, AFrameIsShownWholeThoughItsPaintWaitsForAPicture) {
  Paint([](Canvas&) {});
  const std::vector<std::uint8_t> png = EncodeInBrowser(2, 2, std::vector<std::uint32_t>(4, 0xFF0000FF));
  // What the canvas shows while the browser decodes, looked at once the browser has had its turn.
  PageValue(
      "(() => { const decode = window.createImageBitmap; window.shownWhileDecoding = [];"
      " window.createImageBitmap = (...picture) => decode(...picture).then(bitmap => {"
      " shownWhileDecoding.push([..." +
      std::string(kNewestCanvas) +
      ".getContext('2d').getImageData(1, 1, 1, 1).data.slice(0, 3)]); return bitmap; });"
      " window.restoreDecode = () => { window.createImageBitmap = decode; }; })()");
  std::unique_ptr<Bitmap> bitmap;
  const Pixels painted = Paint([&](Canvas& canvas) {
    canvas.FillRect({0, 0, kWidth, kHeight}, kRed);
    // Decoded on its first paint and kept, as a picture control does.
    if (!bitmap) bitmap = TestPlatform().DecodePng(png);
    canvas.DrawBitmap(*bitmap, {20, 10, 40, 30}, 1.0);
  });
  PageValue("restoreDecode()");

  EXPECT_EQ(PageJson("shownWhileDecoding"), "[[255,255,255]]") << "the last frame, whole, until this one is";
  EXPECT_EQ(painted.At(1, 1), kRed.rgb);
  EXPECT_EQ(painted.At(Device(30), Device(20)), kBlue.rgb);
}

}  // namespace
