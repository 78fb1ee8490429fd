// The Windows program under Wine: its look follows the Windows version that
// the system reports, and display scaling changes neither its size nor a
// single pixel of what it shows.
#include "tests/e2e/card_layout.h"
#include "tests/e2e/image_checks.h"
#include "tests/e2e/program_window.h"
#include "tests/e2e/qt_printers.h"
#include "tests/windows/windows_settings.h"

#include <gtest/gtest.h>

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

class WindowsLook : public ::testing::TestWithParam<LookCase> {};

TEST_P(WindowsLook, PaintsCardOneInTheColoursOfItsWindowsVersion) {
  const LookCase& look = GetParam();
  useWindowsSettings(look.version, kDesignedDotsPerInch);
  ProgramWindow window;
  const QImage shot = window.captureSettled();
  saveCapture(shot, (std::string("look-") + look.name + ".png").c_str());
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
    ::testing::Values(
        LookCase{"Windows7", "win7", 0x898C95, 0xF4F4F4, 0x979797, 0xBFBFBF, 0x3399FF},
        LookCase{"Windows8", "win8", 0xACACAC, 0xF0F0F0, 0x979797, 0xC1C1C1, 0x2A96FF},
        LookCase{"Windows10", "win10", 0xD9D9D9, 0xF0F0F0, 0xCCCCCC, 0xD4D4D4, 0x2A96FF}),
    [](const auto& info) { return std::string(info.param.name); });

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

}  // namespace
}  // namespace e2e
