// The Windows program under Wine: its look follows the Windows version that
// the system reports, display scaling changes neither its size nor a single
// pixel of what it shows, and GDI+ draws what Direct2D draws.
#include "tests/e2e/card_layout.h"
#include "tests/e2e/image_checks.h"
#include "tests/e2e/program_window.h"
#include "tests/e2e/qt_printers.h"
#include "tests/windows/windows_settings.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace e2e {
namespace {

using namespace layout;

constexpr int kDesignedDotsPerInch = 96;

struct LookCase {
  const char* name;
  const char* version;  // as Wine names it
  QRgb tabBorder;
  QRgb panelFill;
  QRgb panelBorder;
  QRgb dot;
  QRgb currentDot;
};
void PrintTo(const LookCase& c, std::ostream* out) { *out << c.name; }

std::string rendererOf(VisualThemes themes) { return themes == VisualThemes::On ? "Direct2D" : "GdiPlus"; }

// Each look under both renderers: Direct2D with visual themes on, GDI+ with them off.
class WindowsLook : public ::testing::TestWithParam<std::tuple<LookCase, VisualThemes>> {};

TEST_P(WindowsLook, PaintsCardOneInTheColoursOfItsWindowsVersion) {
  const auto& [look, themes] = GetParam();
  useWindowsSettings(look.version, kDesignedDotsPerInch, themes);
  ProgramWindow window;
  const QImage shot = window.captureSettled();
  saveCapture(shot, (std::string("look-") + look.name + "-" + rendererOf(themes) + ".png").c_str());
  ASSERT_EQ(shot.size(), kClientSize);

  EXPECT_TRUE(isFilledWith(shot, {0, 0, 1, 249}, look.tabBorder)) << "tab control border, left";
  EXPECT_TRUE(isFilledWith(shot, {0, 0, 213, 1}, look.tabBorder)) << "tab control border, top";
  EXPECT_TRUE(isFilledWith(shot, {1, 1, 212, 248}, colour::kWhite)) << "beside the picture";
  EXPECT_TRUE(hasOutline(shot, kAnswerArea, look.panelBorder)) << "answer area border";
  EXPECT_TRUE(isFilledWith(shot, kAnswerTextRegion, look.panelFill)) << "answer area";
  EXPECT_TRUE(isFilledWith(shot, pageDot(1), look.currentDot)) << "dot of the current page";
  for (int page = 2; page <= kPageCount; ++page)
    EXPECT_TRUE(isFilledWith(shot, pageDot(page), look.dot)) << "dot of page " << page;
}

INSTANTIATE_TEST_SUITE_P(
    ByReportedVersion, WindowsLook,
    ::testing::Combine(
        ::testing::Values(
            LookCase{"Windows7", "win7", 0x898C95, 0xF4F4F4, 0x979797, 0xBFBFBF, 0x3399FF},
            LookCase{"Windows8", "win8", 0xACACAC, 0xF0F0F0, 0x979797, 0xC1C1C1, 0x2A96FF},
            LookCase{"Windows10", "win10", 0xD9D9D9, 0xF0F0F0, 0xCCCCCC, 0xD4D4D4, 0x2A96FF}),
        ::testing::Values(VisualThemes::On, VisualThemes::Off)),
    [](const auto& info) {
      return std::string(std::get<LookCase>(info.param).name) + "_" +
             rendererOf(std::get<VisualThemes>(info.param));
    });

TEST(WindowsDisplayScaling, At150PercentKeepsTheClientSizeAndEveryPixel) {
  useWindowsSettings("win10", kDesignedDotsPerInch);
  const QImage normal = ProgramWindow().captureSettled();

  useWindowsSettings("win10", kDesignedDotsPerInch * 3 / 2);
  ProgramWindow scaled;
  EXPECT_EQ(scaled.clientOnScreen().size(), kClientSize);
  const QImage shot = scaled.captureSettled();
  saveCapture(shot, "scaled-150-percent.png");
  EXPECT_TRUE(isIdentical(shot, normal));
}

struct Caption {
  const char* name;
  QRect area;
};
const Caption kCaptions[] = {{"check box", {kCheckBoxBox.right() + 2, kCheckBox.top() + 1, 120, 22}},
                             {"button", kNextButton.adjusted(1, 1, -1, -1)}};

// Text is compared by where its ink lies: Wine's GDI+ advances each glyph by whole pixels,
// so its captions run up to a few pixels longer than DirectWrite's.
void expectCaptionsInkAlike(const QImage& gdiPlus, const QImage& direct2D) {
  constexpr int kTextRunTolerance = 4;
  for (const auto& [name, area] : kCaptions) {
    SCOPED_TRACE(name);
    const auto drawn = darkPixelBounds(gdiPlus, area);
    const auto expected = darkPixelBounds(direct2D, area);
    ASSERT_TRUE(drawn && expected) << "a caption missing";
    EXPECT_NEAR(drawn->top(), expected->top(), 1);
    EXPECT_NEAR(drawn->bottom(), expected->bottom(), 1);
    EXPECT_NEAR(drawn->left(), expected->left(), kTextRunTolerance);
    EXPECT_NEAR(drawn->right(), expected->right(), kTextRunTolerance);
  }
}

// Blanks, in both, where either has a caption's ink and its anti-aliased fringe, leaving the
// fills and borders around the text to the pixel comparison.
void blankCaptionInk(QImage& first, QImage& second) {
  constexpr int kFringe = 2;
  for (const auto& [name, area] : kCaptions) {
    QRect ink;
    for (const QImage* image : {&first, &second})
      if (const auto bounds = darkPixelBounds(*image, area)) ink = ink.united(*bounds);
    ink = ink.adjusted(-kFringe, -kFringe, kFringe, kFringe).intersected(area);
    for (QImage* image : {&first, &second})
      for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x) image->setPixel(x, y, colour::kBlack);
  }
}

// Without visual themes the program draws with GDI+ instead of Direct2D.
TEST(WindowsRenderers, GdiPlusDrawsCardOneAsDirect2DDoesWithinAntiAliasing) {
  useWindowsSettings("win10", kDesignedDotsPerInch, VisualThemes::On);
  QImage direct2D = ProgramWindow().captureSettled();
  useWindowsSettings("win10", kDesignedDotsPerInch, VisualThemes::Off);
  QImage gdiPlus = ProgramWindow().captureSettled();
  saveCapture(gdiPlus, "card1-gdiplus.png");

  // The two rasterise text differently: identical captures would mean one renderer drew both.
  EXPECT_FALSE(isIdentical(gdiPlus, direct2D));
  expectCaptionsInkAlike(gdiPlus, direct2D);
  blankCaptionInk(gdiPlus, direct2D);
  // Closer than the looks' neighbouring greys, which differ by 5 to 15.
  EXPECT_TRUE(isAlikeWithinAntiAliasing(gdiPlus, direct2D, 3)) << "beside the captions";
}

}  // namespace
}  // namespace e2e
