#include "toolkit/platform/win32/handler_errors.h"

namespace toolkit::platform::win32 {

namespace {
// One GUI thread; each thread keeps its own all the same.
thread_local std::exception_ptr keptError;
}  // namespace

void KeepHandlerError(std::exception_ptr error) {
  // The first error is the one that matters; what follows it may be a consequence.
  if (!keptError) keptError = std::move(error);
}

void RethrowKeptHandlerError() {
  if (!keptError) return;
  std::exception_ptr error = std::exchange(keptError, nullptr);
  std::rethrow_exception(error);
}

}  // namespace toolkit::platform::win32
