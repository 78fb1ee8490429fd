#include "toolkit/platform/qt/qt_platform.h"

#include <QApplication>
#include <utility>

#include "toolkit/platform/qt/accessibility_factory.h"
#include "toolkit/platform/qt/application_setup.h"
#include "toolkit/platform/qt/error_box.h"
#include "toolkit/platform/qt/png_decoding.h"
#include "toolkit/platform/qt/qt_timer.h"
#include "toolkit/platform/qt/qt_window.h"
#include "toolkit/platform/qt/system_version.h"

namespace toolkit::platform {

std::unique_ptr<Platform> CreatePlatform() { return std::make_unique<qt::QtPlatform>(); }

namespace qt {

QtPlatform::QtPlatform() : application_(StartApplication()) {
  InstallWindowAccessibility();
  clock_.start();
}

QtPlatform::~QtPlatform() = default;

std::unique_ptr<Window> QtPlatform::CreateWindow(WindowEvents& events) { return std::make_unique<QtWindow>(events); }

int QtPlatform::RunLoop() {
  if (earlyExitCode_) return *std::exchange(earlyExitCode_, std::nullopt);
  running_ = true;
  const int exitCode = QApplication::exec();
  running_ = false;
  return exitCode;
}

void QtPlatform::Quit(int exitCode) {
  // Qt ends every loop running at the time, so a Quit inside ProcessMessagesUntil ends RunLoop
  // as soon as the nested processing returns to it.
  if (running_) {
    QApplication::exit(exitCode);
  } else {
    earlyExitCode_ = exitCode;
  }
}

void QtPlatform::ProcessMessagesUntil(const std::function<bool()>& done) {
  while (!done()) QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

void QtPlatform::ProcessPendingMessages() { QApplication::processEvents(); }

std::unique_ptr<Timer> QtPlatform::StartTimer(int intervalMs, std::function<void()> onTick) {
  return std::make_unique<QtTimer>(intervalMs, std::move(onTick));
}

double QtPlatform::Now() const { return static_cast<double>(clock_.nsecsElapsed()) / 1e9; }

std::unique_ptr<Bitmap> QtPlatform::DecodePng(std::span<const std::uint8_t> png) { return DecodePngBitmap(png); }

void QtPlatform::ShowError(std::string_view text) { ShowErrorBox(text); }

SystemVersion QtPlatform::Version() const { return CurrentSystemVersion(); }

}  // namespace qt
}  // namespace toolkit::platform
