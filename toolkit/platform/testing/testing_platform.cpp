#include "toolkit/platform/testing/testing_platform.h"

#include <algorithm>
#include <stdexcept>

namespace toolkit::platform::testing {
namespace {

TestingPlatform* current = nullptr;

// Reads the size from a PNG's header; the pixels are never needed without a display.
std::pair<int, int> PngSize(std::span<const std::uint8_t> png) {
  static constexpr std::uint8_t kSignature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  if (png.size() < 24 || !std::equal(std::begin(kSignature), std::end(kSignature), png.begin()) ||
      !std::equal(png.begin() + 12, png.begin() + 16, "IHDR")) {
    throw std::runtime_error("not a PNG picture");
  }
  const auto word = [&](size_t at) {
    return static_cast<int>(png[at] << 24 | png[at + 1] << 16 | png[at + 2] << 8 | png[at + 3]);
  };
  return {word(16), word(20)};
}

// A window that unregisters itself from the platform when the toolkit destroys it.
class OwnedWindow : public TestingWindow {
 public:
  OwnedWindow(WindowEvents& events, std::vector<TestingWindow*>& windows) : TestingWindow(events), windows_(windows) {
    windows_.push_back(this);
  }
  ~OwnedWindow() override { std::erase(windows_, this); }

 private:
  std::vector<TestingWindow*>& windows_;
};

}  // namespace

struct TestingPlatform::TimerEntry {
  double start;
  double interval;
  double lastTick;
  std::vector<double> script;
  std::function<void()> afterTick;
  std::function<void()> onTick;
};

class TestingPlatform::TestingTimer : public Timer {
 public:
  TestingTimer(std::vector<TimerEntry*>& timers, std::unique_ptr<TimerEntry> entry)
      : timers_(timers), entry_(std::move(entry)) {
    timers_.push_back(entry_.get());
  }
  ~TestingTimer() override { std::erase(timers_, entry_.get()); }

 private:
  std::vector<TimerEntry*>& timers_;
  std::unique_ptr<TimerEntry> entry_;
};

class TestingPlatform::TestingBitmap : public Bitmap {
 public:
  explicit TestingBitmap(std::pair<int, int> size) : size_(size) {}
  int Width() const override { return size_.first; }
  int Height() const override { return size_.second; }

 private:
  std::pair<int, int> size_;
};

TestingPlatform::TestingPlatform() { current = this; }

TestingPlatform::~TestingPlatform() {
  if (current == this) current = nullptr;
}

TestingPlatform& TestingPlatform::Current() {
  if (current == nullptr) throw std::logic_error("no testing platform has been made");
  return *current;
}

std::unique_ptr<Window> TestingPlatform::CreateWindow(WindowEvents& events) {
  return std::make_unique<OwnedWindow>(events, windows_);
}

TestingWindow& TestingPlatform::LatestWindow() const {
  if (windows_.empty()) throw std::logic_error("no window exists");
  return *windows_.back();
}

int TestingPlatform::RunLoop() {
  quit_ = false;
  while (!quit_) {
    if (!posted_.empty()) {
      RunPosted();
    } else if (!timers_.empty()) {
      Tick();
    } else {
      throw std::logic_error("the message loop has nothing left to do and was never told to quit");
    }
  }
  return exitCode_;
}

void TestingPlatform::Quit(int exitCode) {
  quit_ = true;
  exitCode_ = exitCode;
}

void TestingPlatform::ProcessMessagesUntil(const std::function<bool()>& done) {
  while (!done()) {
    RunPosted();
    if (done()) return;
    if (timers_.empty()) throw std::logic_error("waiting for a condition that no timer can bring");
    Tick();
  }
}

void TestingPlatform::ProcessPendingMessages() { RunPosted(); }

void TestingPlatform::RunPosted() {
  std::vector<std::function<void()>> messages;
  messages.swap(posted_);
  for (const auto& message : messages) message();
}

void TestingPlatform::Tick() {
  TimerEntry& timer = **std::min_element(timers_.begin(), timers_.end(), [](const TimerEntry* a, const TimerEntry* b) {
    return a->lastTick + a->interval < b->lastTick + b->interval;
  });
  if (!timer.script.empty()) {
    now_ = std::max(now_, timer.start + timer.script.front());
    timer.script.erase(timer.script.begin());
  } else {
    now_ = std::max(now_, timer.lastTick + timer.interval);
  }
  timer.lastTick = now_;
  // The callbacks may stop the timer; keep them alive for this tick.
  const std::function<void()> onTick = timer.onTick;
  const std::function<void()> afterTick = timer.afterTick;
  onTick();
  if (afterTick) afterTick();
}

std::unique_ptr<Timer> TestingPlatform::StartTimer(int intervalMs, std::function<void()> onTick) {
  auto entry = std::make_unique<TimerEntry>(
      TimerEntry{now_, intervalMs / 1000.0, now_, std::move(script_), std::move(scriptAfterTick_), std::move(onTick)});
  script_.clear();
  scriptAfterTick_ = nullptr;
  return std::make_unique<TestingTimer>(timers_, std::move(entry));
}

void TestingPlatform::ScriptNextTimer(std::vector<double> elapsedTimes, std::function<void()> afterTick) {
  script_ = std::move(elapsedTimes);
  scriptAfterTick_ = std::move(afterTick);
}

std::unique_ptr<Bitmap> TestingPlatform::DecodePng(std::span<const std::uint8_t> png) {
  auto bitmap = std::make_unique<TestingBitmap>(PngSize(png));
  ++decodes_;
  return bitmap;
}


}  // namespace toolkit::platform::testing

namespace toolkit::platform {

std::unique_ptr<Platform> CreatePlatform() { return std::make_unique<testing::TestingPlatform>(); }

}  // namespace toolkit::platform
