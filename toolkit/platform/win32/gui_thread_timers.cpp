#include "toolkit/platform/win32/gui_thread_timers.h"

#include <stdexcept>

#include "toolkit/platform/win32/fine_system_clock.h"
#include "toolkit/platform/win32/handler_errors.h"

namespace toolkit::platform::win32 {

namespace {

constexpr wchar_t kWindowClass[] = L"LumivorTimers";

void RegisterTimerWindowClass(WNDPROC procedure) {
  static const ATOM atom = [procedure] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kWindowClass;
    return RegisterClassExW(&windowClass);
  }();
  if (!atom) throw std::runtime_error("the timer window class cannot be registered");
}

}  // namespace

class GuiThreadTimers::RunningTimer : public Timer {
 public:
  RunningTimer(std::shared_ptr<GuiThreadTimers> timers, UINT_PTR id, std::unique_ptr<FineSystemClock> fineClock)
      : timers_(std::move(timers)), id_(id), fineClock_(std::move(fineClock)) {}
  ~RunningTimer() override { timers_->Stop(id_); }

 private:
  std::shared_ptr<GuiThreadTimers> timers_;
  UINT_PTR id_;
  std::unique_ptr<FineSystemClock> fineClock_;
};

GuiThreadTimers::GuiThreadTimers() {
  RegisterTimerWindowClass(&Procedure);
  window_ = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
  if (!window_) throw std::runtime_error("the timer window cannot be created");
  SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

GuiThreadTimers::~GuiThreadTimers() {
  SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
  DestroyWindow(window_);
}

std::unique_ptr<Timer> GuiThreadTimers::Start(int intervalMs, std::function<void()> onTick) {
  const UINT_PTR id = nextId_++;
  // Raised before the timer starts, so that its first interval is already measured finely (the
  // first raise loads winmm.dll, which takes a while).
  auto fineClock = FineSystemClock::IsNeededFor(intervalMs) ? std::make_unique<FineSystemClock>() : nullptr;
  if (!SetTimer(window_, id, static_cast<UINT>(intervalMs > 0 ? intervalMs : USER_TIMER_MINIMUM), nullptr)) {
    throw std::runtime_error("a timer cannot be started");
  }
  callbacks_.emplace(id, std::make_shared<std::function<void()>>(std::move(onTick)));
  return std::make_unique<RunningTimer>(shared_from_this(), id, std::move(fineClock));
}

void GuiThreadTimers::Stop(UINT_PTR id) {
  KillTimer(window_, id);
  callbacks_.erase(id);
}

void GuiThreadTimers::Tick(UINT_PTR id) {
  auto found = callbacks_.find(id);
  // A WM_TIMER already queued when its timer was stopped finds nothing.
  if (found == callbacks_.end()) return;
  // The callback may stop its own timer; this reference keeps it alive until it returns.
  const Callback callback = found->second;
  RunKeepingErrors(*callback);
}

LRESULT CALLBACK GuiThreadTimers::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* timers = reinterpret_cast<GuiThreadTimers*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (message == WM_TIMER && timers) {
    timers->Tick(wParam);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace toolkit::platform::win32
