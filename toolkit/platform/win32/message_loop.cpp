#include "toolkit/platform/win32/message_loop.h"

#include "toolkit/platform/win32/windows_api.h"

#include <optional>

#include "toolkit/platform/win32/handler_errors.h"

namespace toolkit::platform::win32 {

namespace {

// How long a nested loop sleeps at most when no message comes, so that a condition no message
// changes is still looked at.
constexpr DWORD kLongestWaitMs = 10;

void Dispatch(const MSG& message) {
  TranslateMessage(&message);
  DispatchMessageW(&message);
  RethrowKeptHandlerError();
}

// Dispatches what is pending; returns the quit code if WM_QUIT was among it.
std::optional<int> DispatchPending(const std::function<bool()>& done) {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) return static_cast<int>(message.wParam);
    Dispatch(message);
    if (done && done()) break;
  }
  return std::nullopt;
}

}  // namespace

int RunMessageLoop() {
  MSG message;
  for (;;) {
    const BOOL result = GetMessageW(&message, nullptr, 0, 0);
    if (result == 0) return static_cast<int>(message.wParam);
    if (result == -1) return -1;
    Dispatch(message);
  }
}

void ProcessMessagesUntil(const std::function<bool()>& done) {
  // Posted again on the way out, however the loop is left.
  struct HeldQuit {
    std::optional<int> code;
    ~HeldQuit() {
      if (code) PostQuitMessage(*code);
    }
  } heldQuit;
  while (!done()) {
    if (auto code = DispatchPending(done)) heldQuit.code = code;
    if (done()) break;
    MsgWaitForMultipleObjectsEx(0, nullptr, kLongestWaitMs, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  }
}

void ProcessPendingMessages() {
  if (auto quitCode = DispatchPending(nullptr)) PostQuitMessage(*quitCode);
}

}  // namespace toolkit::platform::win32
