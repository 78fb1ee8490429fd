#pragma once

#include <exception>
#include <functional>
#include <string_view>
#include <utility>

namespace toolkit {

// Where an error escaping an event handler is reported; the application shows it in a
// message box. Without a reporter the error is dropped.
void SetHandlerErrorReporter(std::function<void(std::string_view)> reporter);
void ReportHandlerError(std::string_view text);

// Runs an event handler while the message loop goes on around it: an error escaping the
// handler is reported where it happened, and input goes on being handled.
template <typename Handler, typename... Args>
void CallHandler(const Handler& handler, Args&&... args) {
  if (!handler) return;
  try {
    handler(std::forward<Args>(args)...);
  } catch (const std::exception& error) {
    ReportHandlerError(error.what());
  } catch (...) {
    ReportHandlerError("Unknown error");
  }
}

}  // namespace toolkit
