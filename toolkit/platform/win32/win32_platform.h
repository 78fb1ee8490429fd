#pragma once

#include <memory>

#include "toolkit/platform/win32/windows_api.h"
#include "toolkit/platform/win32/com_apartment.h"
#include "toolkit/platform/win32/gui_thread_timers.h"
#include "toolkit/platform/win32/png_decoder.h"

namespace toolkit::platform::win32 {

// The platform services on the Windows API, for the thread that makes it (the GUI thread).
class Win32Platform : public Platform {
 public:
  Win32Platform();

  std::unique_ptr<Window> CreateWindow(WindowEvents& events) override;
  int RunLoop() override;
  void Quit(int exitCode) override;
  void ProcessMessagesUntil(const std::function<bool()>& done) override;
  void ProcessPendingMessages() override;
  std::unique_ptr<Timer> StartTimer(int intervalMs, std::function<void()> onTick) override;
  double Now() const override;
  std::unique_ptr<Bitmap> DecodePng(std::span<const std::uint8_t> png) override;
  void ShowError(std::string_view text) override;
  SystemVersion Version() const override;

 private:
  // First, so that the COM objects below are released before the apartment is left.
  ComApartment apartment_;
  PngDecoder pngDecoder_;
  std::shared_ptr<GuiThreadTimers> timers_;
};

}  // namespace toolkit::platform::win32
