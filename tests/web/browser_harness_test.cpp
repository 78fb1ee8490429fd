// The browser half of the end-to-end harness, on the browser driver's test
// page (LUMIVOR_WEB_ROOT=driver/test-page): captures come in device pixels at
// the viewport's size, pointer input lands where it is aimed, xdotool's
// chords arrive as the keys they name, and resizing and minimising reach the
// page. The page marks each press with a black square and names the last key
// in its title.
#include "tests/e2e/browser_program_session.h"
#include "tests/e2e/image_checks.h"
#include "tests/e2e/program_window.h"
#include "tests/e2e/qt_printers.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <string_view>

namespace e2e {
namespace {

constexpr QRgb kBackground = 0x2A96FF;

PageOptions testPage(QSize viewport = {663, 480}, double scale = 1) {
  PageOptions options;
  options.viewport = viewport;
  options.deviceScale = scale;
  options.shownMark = "test-page-shown";
  return options;
}

ProgramWindow open(const PageOptions& options = testPage()) {
  return ProgramWindow(std::make_unique<BrowserProgramSession>(options));
}

std::string title(const ProgramWindow& window) { return window.captions().at(0).second; }

bool isWebKit() { return std::string_view(std::getenv("LUMIVOR_BROWSER")) == "webkit"; }

TEST(BrowserHarness, CapturesTheViewportInDevicePixels) {
  const int scale = isWebKit() ? 1 : 2;
  const ProgramWindow window = open(testPage({500, 300}, scale));
  const QImage shot = window.capture();
  ASSERT_EQ(shot.size(), QSize(500, 300) * scale);
  EXPECT_EQ(window.clientSize(), QSize(500, 300));
  EXPECT_TRUE(isFilledWith(shot, layout::scaled({10, 10, 20, 20}, scale), layout::colour::kWhite));
  EXPECT_TRUE(isFilledWith(shot, layout::scaled({0, 0, 500, 10}, scale), kBackground));
  EXPECT_EQ(title(window), "Driver test page");
}

TEST(BrowserHarness, PressesWhereItAims) {
  const ProgramWindow window = open();
  window.click({100, 200});
  window.drag({400, 300}, {200, 310}, 200ms);
  const QImage shot = window.captureSettled();
  for (const QPoint press : {QPoint(100, 200), QPoint(400, 300)}) {
    SCOPED_TRACE(::testing::PrintToString(press));
    EXPECT_TRUE(isFilledWith(shot, {press - QPoint(2, 2), QSize(4, 4)}, layout::colour::kBlack));
  }
  EXPECT_TRUE(isFilledWith(shot, {QPoint(198, 308), QSize(4, 4)}, kBackground)) << "a release is no press";
}

struct ChordCase {
  const char* chord;  // xdotool notation
  const char* title;  // the page's: the keys held and the key's code
};
void PrintTo(const ChordCase& c, std::ostream* out) { *out << c.chord; }

class BrowserHarnessKeys : public ::testing::TestWithParam<ChordCase> {};

TEST_P(BrowserHarnessKeys, TypeTheKeysTheChordNames) {
  const ProgramWindow window = open();
  window.typeKeys(GetParam().chord);
  EXPECT_EQ(title(window), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(InXdotoolNotation, BrowserHarnessKeys,
                         ::testing::Values(ChordCase{"space", "key Space"}, ChordCase{"Return", "key Enter"},
                                           ChordCase{"Left", "key ArrowLeft"}, ChordCase{"Right", "key ArrowRight"},
                                           ChordCase{"ctrl+Tab", "key ctrl+Tab"},
                                           ChordCase{"ctrl+shift+Tab", "key ctrl+shift+Tab"}));

TEST(BrowserHarness, ResizesAndHidesThePage) {
  ProgramWindow window = open();
  window.resize({600, 400});
  EXPECT_EQ(window.capture().size(), QSize(600, 400));
  EXPECT_EQ(window.clientArea().reachable, QRect(0, 0, 600, 400));
  window.minimize();
  EXPECT_EQ(window.shownWindows(), std::vector<std::string>{});
  window.restore();
  EXPECT_EQ(window.shownWindows(), std::vector<std::string>{window.windowId()});
  EXPECT_TRUE(window.isRunning());
}

}  // namespace
}  // namespace e2e
