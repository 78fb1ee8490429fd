#pragma once

#include "toolkit/platform/win32/windows_api.h"

#include <functional>
#include <memory>
#include <unordered_map>


namespace toolkit::platform::win32 {

// The repeating timers of the GUI thread, kept by a hidden message-only window whose WM_TIMER
// messages run their callbacks from the message loop. A short timer has the system's clock tick
// finer while it runs (FineSystemClock), so that it ticks at its own interval.
class GuiThreadTimers : public std::enable_shared_from_this<GuiThreadTimers> {
 public:
  GuiThreadTimers();
  ~GuiThreadTimers();
  GuiThreadTimers(const GuiThreadTimers&) = delete;
  GuiThreadTimers& operator=(const GuiThreadTimers&) = delete;

  // The timer runs until the returned object is destroyed.
  std::unique_ptr<Timer> Start(int intervalMs, std::function<void()> onTick);

 private:
  class RunningTimer;
  using Callback = std::shared_ptr<std::function<void()>>;

  void Stop(UINT_PTR id);
  void Tick(UINT_PTR id);
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  UINT_PTR nextId_ = 1;
  std::unordered_map<UINT_PTR, Callback> callbacks_;
};

}  // namespace toolkit::platform::win32
