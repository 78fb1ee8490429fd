// The main window as the window manager sees it: caption, size, placement,
// closing, and its size and look under display scaling. In a browser the
// caption is the page's title and the window the canvas in the viewport.
#include "card_layout.h"
#include "image_checks.h"
#include "program_window.h"
#include "qt_printers.h"
#include "x_resources.h"

#include <gtest/gtest.h>

namespace e2e {
namespace {

TEST(MainWindow, OpensWithItsCaptionAndSize) {
  ProgramWindow window;
  const auto captions = window.captions();
  ASSERT_FALSE(captions.empty());
  for (const auto& [where, caption] : captions) {
    SCOPED_TRACE(where);
    EXPECT_EQ(caption, "Тарвель. Zaze");
  }
  EXPECT_EQ(window.clientSize(), layout::kClientSize);
}

TEST(MainWindow, OpensInAFrameWhereTheWindowManagerPlacedIt) {
  ProgramWindow window;
  const QRect client = window.clientOnScreen();
  const QRect frame = window.frameOnScreen();
  EXPECT_TRUE(frame.contains(client) && frame.top() < client.top())
      << "the client " << ::testing::PrintToString(client) << " is not inside a frame with a title bar, "
      << ::testing::PrintToString(frame);
  // Placed by the window manager: the whole frame on the screen, but not in
  // its top-left corner where a position of (0, 0) asked by the program puts
  // the client area.
  EXPECT_GE(frame.left(), 0) << "frame " << ::testing::PrintToString(frame);
  EXPECT_GE(frame.top(), 0) << "frame " << ::testing::PrintToString(frame);
  EXPECT_NE(frame.topLeft(), QPoint(0, 0));
  EXPECT_NE(client.topLeft(), QPoint(0, 0));
}

struct CloseCase {
  const char* name;
  void (*close)(const ProgramWindow&);
};
void PrintTo(const CloseCase& c, std::ostream* out) { *out << c.name; }


class MainWindowClosing : public ::testing::TestWithParam<CloseCase> {};

TEST_P(MainWindowClosing, EndsTheProgramWithExitCodeZero) {
  ProgramWindow window;
  GetParam().close(window);
  EXPECT_EQ(window.waitForExit(5s), std::optional<int>(0));
}

INSTANTIATE_TEST_SUITE_P(
    ByTheUser, MainWindowClosing,
    ::testing::Values(CloseCase{"AltF4", [](const ProgramWindow& w) { w.typeKeys("alt+F4"); }},
                      CloseCase{"CloseBox", [](const ProgramWindow& w) { w.clickCloseBox(); }}),
    [](const auto& info) { return std::string(info.param.name); });

struct ScalingCase {
  const char* name;
  EnvironmentOverrides environment;
  const char* resources;  // for the X resource database, or nullptr
};
void PrintTo(const ScalingCase& c, std::ostream* out) { *out << c.name; }


class MainWindowScaling : public ::testing::TestWithParam<ScalingCase> {};

TEST_P(MainWindowScaling, KeepsOneLayoutUnitPerPixel) {
  const QImage normal = ProgramWindow().captureSettled();
  std::optional<ResourceDatabaseOverride> resources;
  if (GetParam().resources != nullptr) resources.emplace(GetParam().resources);

  ProgramWindow scaled(GetParam().environment);
  EXPECT_EQ(scaled.clientOnScreen().size(), layout::kClientSize);
  const QImage shot = scaled.captureSettled();
  saveCapture(shot, (std::string("scaled-") + GetParam().name + ".png").c_str());
  EXPECT_TRUE(isIdentical(shot, normal));
}

INSTANTIATE_TEST_SUITE_P(
    OnAHighDpiDisplay, MainWindowScaling,
    ::testing::Values(ScalingCase{"QtScreenScaleFactor150", {"QT_SCREEN_SCALE_FACTORS=1.5"}, nullptr},
                      ScalingCase{"XftDpi144", {}, "Xft.dpi: 144"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
