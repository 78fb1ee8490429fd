#include <gtest/gtest.h>

#include "tests/platform_qt/test_platform.h"
#include "toolkit/platform/qt/qt_window.h"

namespace {

std::unique_ptr<toolkit::platform::Platform> platform;

// What a desktop set to 200 % might put in the environment; the platform must undo it all.
void AskQtToScale() {
  qputenv("QT_SCALE_FACTOR", "2");
  qputenv("QT_SCREEN_SCALE_FACTORS", "2");
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "1");
}

}  // namespace

toolkit::platform::Platform& TestPlatform() { return *platform; }

double CoarsestClockStep() { return 0.0001; }

QWidget& WidgetOf(toolkit::platform::Window& window) {
  return static_cast<toolkit::platform::qt::QtWindow&>(window).Widget();
}

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  AskQtToScale();
  platform = toolkit::platform::CreatePlatform();
  const int result = RUN_ALL_TESTS();
  platform.reset();
  return result;
}
