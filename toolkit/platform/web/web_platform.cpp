#include "toolkit/platform/web/web_platform.h"

#include <algorithm>
#include <utility>

#include "toolkit/platform/web/page_api.h"
#include "toolkit/platform/web/page_events.h"
#include "toolkit/platform/web/web_bitmap.h"
#include "toolkit/platform/web/web_window.h"

namespace toolkit::platform {

std::unique_ptr<Platform> CreatePlatform() { return std::make_unique<web::WebPlatform>(); }

namespace web {
namespace {

// How long a nested loop waits at most when no event comes, so that a condition no event
// changes is still looked at.
constexpr double kLongestNestedWaitMs = 10;

}  // namespace

class WebPlatform::WebTimer final : public Timer {
 public:
  WebTimer(TimerSchedule& schedule, int id) : schedule_(schedule), id_(id) {}
  ~WebTimer() override { schedule_.Remove(id_); }

 private:
  TimerSchedule& schedule_;
  int id_;
};

WebPlatform::WebPlatform() {
  // The page shows the program's own icon, as a window system shows a window's.
  for (const IconImage& image : MainIconImages()) {
    lumivor_add_icon(image.size, image.png.data(), static_cast<int>(image.png.size()));
  }
}

WebPlatform::~WebPlatform() = default;

std::unique_ptr<Window> WebPlatform::CreateWindow(WindowEvents& events) {
  auto window = std::make_unique<WebWindow>(events, nextWindowId_++);
  WebWindow* opened = window.get();
  window->OnDestroyed([this, opened] { std::erase(windows_, opened); });
  windows_.push_back(opened);
  return window;
}

int WebPlatform::RunLoop() {
  const auto quitting = [this] { return exitCode_.has_value(); };
  while (!quitting()) {
    Round(quitting);
    if (!quitting()) WaitForPageEvent(timers_.TimeUntilNext(NowMs()));
  }
  return *std::exchange(exitCode_, std::nullopt);
}

void WebPlatform::ProcessMessagesUntil(const std::function<bool()>& done) {
  while (!done()) {
    Round(done);
    if (!done()) WaitForPageEvent(std::min(timers_.TimeUntilNext(NowMs()), kLongestNestedWaitMs));
  }
}

void WebPlatform::ProcessPendingMessages() {
  Round([] { return false; });
}

void WebPlatform::Round(const std::function<bool()>& done) {
  while (!done()) {
    std::optional<PageEvent> event = TakePageEvent();
    if (!event) break;
    if (!windows_.empty()) windows_.back()->Deliver(*event);
  }
  timers_.FireDue(NowMs());
  // A copy: painting may close a window.
  const std::vector<WebWindow*> windows = windows_;
  for (WebWindow* window : windows) {
    if (std::find(windows_.begin(), windows_.end(), window) != windows_.end()) window->Refresh();
  }
}

std::unique_ptr<Timer> WebPlatform::StartTimer(int intervalMs, std::function<void()> onTick) {
  return std::make_unique<WebTimer>(timers_, timers_.Add(intervalMs, NowMs(), std::move(onTick)));
}

double WebPlatform::Now() const { return lumivor_now() / 1000; }

std::unique_ptr<Bitmap> WebPlatform::DecodePng(std::span<const std::uint8_t> png) { return DecodePngBitmap(png); }

void WebPlatform::ShowError(std::string_view text) { lumivor_alert(text.data(), static_cast<int>(text.size())); }

}  // namespace web
}  // namespace toolkit::platform
