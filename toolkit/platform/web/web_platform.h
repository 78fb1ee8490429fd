#pragma once

#include <optional>
#include <vector>

#include "toolkit/platform/platform.h"
#include "toolkit/platform/web/timer_schedule.h"

namespace toolkit::platform::web {

class WebWindow;

// The platform services in a browser. The page's listeners only queue what they see; one loop
// here takes it off the queue, fires the timers, and paints, and waits for the page between
// rounds. The loop of a slide is the same loop, run inside the call that started the slide:
// the program's stack is suspended while it waits (Asyncify), and only ever once at a time.
class WebPlatform final : public Platform {
 public:
  WebPlatform();
  ~WebPlatform() override;

  std::unique_ptr<Window> CreateWindow(WindowEvents& events) override;

  int RunLoop() override;
  void Quit(int exitCode) override { exitCode_ = exitCode; }
  void ProcessMessagesUntil(const std::function<bool()>& done) override;
  void ProcessPendingMessages() override;

  std::unique_ptr<Timer> StartTimer(int intervalMs, std::function<void()> onTick) override;
  double Now() const override;

  std::unique_ptr<Bitmap> DecodePng(std::span<const std::uint8_t> png) override;
  void ShowError(std::string_view text) override;
  // Not Windows: the newest look.
  SystemVersion Version() const override { return {}; }

 private:
  class WebTimer;

  // Hands the queued events to the newest window until `done` holds, fires the timers that are
  // due, and lets every window paint.
  void Round(const std::function<bool()>& done);
  double NowMs() const { return Now() * 1000; }

  TimerSchedule timers_;
  std::vector<WebWindow*> windows_;
  int nextWindowId_ = 1;
  std::optional<int> exitCode_;
};

}  // namespace toolkit::platform::web
