#include "toolkit/platform/win32/win32_platform.h"

#include "toolkit/platform/win32/windows_api.h"

#include "toolkit/platform/win32/dpi_awareness.h"
#include "toolkit/platform/win32/error_box.h"
#include "toolkit/platform/win32/high_resolution_clock.h"
#include "toolkit/platform/win32/message_loop.h"
#include "toolkit/platform/win32/system_version.h"
#include "toolkit/platform/win32/win32_window.h"

namespace toolkit::platform {

std::unique_ptr<Platform> CreatePlatform() {
  // Before the first window, which would otherwise be made at the scale Windows pretends.
  win32::DeclarePerMonitorDpiAwareness();
  return std::make_unique<win32::Win32Platform>();
}

namespace win32 {

Win32Platform::Win32Platform() : timers_(std::make_shared<GuiThreadTimers>()) {}

std::unique_ptr<Window> Win32Platform::CreateWindow(WindowEvents& events) {
  return std::make_unique<Win32Window>(events);
}

int Win32Platform::RunLoop() { return RunMessageLoop(); }

void Win32Platform::Quit(int exitCode) { PostQuitMessage(exitCode); }

void Win32Platform::ProcessMessagesUntil(const std::function<bool()>& done) { win32::ProcessMessagesUntil(done); }

void Win32Platform::ProcessPendingMessages() { win32::ProcessPendingMessages(); }

std::unique_ptr<Timer> Win32Platform::StartTimer(int intervalMs, std::function<void()> onTick) {
  return timers_->Start(intervalMs, std::move(onTick));
}

double Win32Platform::Now() const { return SecondsFromPerformanceCounter(); }

std::unique_ptr<Bitmap> Win32Platform::DecodePng(std::span<const std::uint8_t> png) {
  return pngDecoder_.Decode(png);
}

void Win32Platform::ShowError(std::string_view text) { ShowErrorBox(text); }

SystemVersion Win32Platform::Version() const { return RealWindowsVersion(); }

}  // namespace win32
}  // namespace toolkit::platform
