#pragma once

#include <QElapsedTimer>
#include <memory>
#include <optional>

#include "toolkit/platform/platform.h"

class QApplication;

namespace toolkit::platform::qt {

class QtPlatform final : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;

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
  std::unique_ptr<QApplication> application_;
  QElapsedTimer clock_;
  bool running_ = false;
  // A Quit that came before RunLoop, which Qt alone would forget.
  std::optional<int> earlyExitCode_;
};

}  // namespace toolkit::platform::qt
