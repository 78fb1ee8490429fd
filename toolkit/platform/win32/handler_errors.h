#pragma once

// A C++ exception must not unwind through Windows' own frames: the window procedure and the
// timer procedure are called from inside the system. An exception escaping the toolkit's code
// there is caught, kept, and thrown again once control is back in the backend's own code
// (after DispatchMessage, UpdateWindow, ShowWindow …), so the caller sees it as if it had come
// straight through.

#include <exception>
#include <utility>

namespace toolkit::platform::win32 {

void KeepHandlerError(std::exception_ptr error);
// Throws the error kept since the last call, if any.
void RethrowKeptHandlerError();

// Runs `work`, keeping whatever it throws.
template <typename Work>
void RunKeepingErrors(Work&& work) noexcept {
  try {
    std::forward<Work>(work)();
  } catch (...) {
    KeepHandlerError(std::current_exception());
  }
}

}  // namespace toolkit::platform::win32
