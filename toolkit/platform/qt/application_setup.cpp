#include "toolkit/platform/qt/application_setup.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>

#include "toolkit/platform/qt/main_icon.h"

namespace toolkit::platform::qt {
namespace {

// The program takes no arguments; the window system still wants a program name.
int argumentCount = 1;
char programName[] = "lumivor";
char* arguments[] = {programName, nullptr};

// The layout is in physical pixels, so nothing in the environment may make Qt scale the
// window. The font DPI (QT_FONT_DPI, Xft.dpi) only converts point sizes, and every text size
// here is in pixels, so it is left as it is.
void UseOnePixelPerLayoutUnit() {
  qunsetenv("QT_SCALE_FACTOR");
  qunsetenv("QT_SCREEN_SCALE_FACTORS");
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
}

QFont ApplicationFont() {
  QFont font(QFontDatabase::hasFamily("Segoe UI") ? "Segoe UI" : "Open Sans");
  font.setPixelSize(12);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

}  // namespace

std::unique_ptr<QApplication> StartApplication() {
  UseOnePixelPerLayoutUnit();
  auto application = std::make_unique<QApplication>(argumentCount, arguments);
  // The toolkit ends the program through Platform::Quit; closing a window never does.
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setFont(ApplicationFont());
  QApplication::setWindowIcon(MainIcon());
  return application;
}

}  // namespace toolkit::platform::qt
