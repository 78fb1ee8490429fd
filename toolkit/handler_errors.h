#pragma once

#include <QString>
#include <exception>
#include <utility>

namespace toolkit {

// Shows an error that escaped an event handler in a message box with an OK button.
void ShowError(const QString& text);

// Runs an event handler while the message loop goes on around it: an error escaping the
// handler is shown, and input goes on being handled. Errors never pass through Qt's own
// event delivery, which cannot unwind them cleanly.
template <typename Handler, typename... Args>
void CallHandler(const Handler& handler, Args&&... args) {
  try {
    handler(std::forward<Args>(args)...);
  } catch (const std::exception& error) {
    ShowError(QString::fromUtf8(error.what()));
  } catch (...) {
    ShowError(QStringLiteral("Unknown error"));
  }
}

}  // namespace toolkit
