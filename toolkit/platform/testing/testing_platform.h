#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/platform/platform.h"
#include "toolkit/platform/testing/testing_window.h"

namespace toolkit::platform::testing {

// The platform of the behaviour tests: no display and no real time. Time moves only when
// messages are processed: each round of a nested loop advances the clock to the next timer
// tick and fires it. A test can choose the elapsed times of the next timer's ticks and act
// after each tick, inside the running loop, as a learner would during a slide.
class TestingPlatform : public Platform {
 public:
  TestingPlatform();
  ~TestingPlatform() override;

  // The platform the application made.
  static TestingPlatform& Current();

  std::unique_ptr<Window> CreateWindow(WindowEvents& events) override;
  int RunLoop() override;
  void Quit(int exitCode) override;
  void ProcessMessagesUntil(const std::function<bool()>& done) override;
  void ProcessPendingMessages() override;
  std::unique_ptr<Timer> StartTimer(int intervalMs, std::function<void()> onTick) override;
  double Now() const override { return now_; }
  std::unique_ptr<Bitmap> DecodePng(std::span<const std::uint8_t> png) override;
  void ShowError(std::string_view text) override { errors_.emplace_back(text); }
  // The behaviour tests see a system other than Windows, which gets the newest look.
  SystemVersion Version() const override { return {}; }

  // The next timer started ticks at these times after its start, then every interval; after
  // each tick the callback runs.
  void ScriptNextTimer(std::vector<double> elapsedTimes, std::function<void()> afterTick = nullptr);
  // Runs at the next round of message processing.
  void Post(std::function<void()> message) { posted_.push_back(std::move(message)); }

  // The windows made, oldest first, while they exist.
  TestingWindow& LatestWindow() const;
  const std::vector<std::string>& Errors() const { return errors_; }
  int Decodes() const { return decodes_; }

 private:
  struct TimerEntry;
  class TestingTimer;
  class TestingBitmap;

  void RunPosted();
  void Tick();

  double now_ = 0;
  bool quit_ = false;
  int exitCode_ = 0;
  int decodes_ = 0;
  std::vector<std::string> errors_;
  std::vector<std::function<void()>> posted_;
  std::vector<TimerEntry*> timers_;
  std::vector<double> script_;
  std::function<void()> scriptAfterTick_;
  std::vector<TestingWindow*> windows_;
};

}  // namespace toolkit::platform::testing
