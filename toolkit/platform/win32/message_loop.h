#pragma once

#include <functional>

namespace toolkit::platform::win32 {

// Dispatches the GUI thread's messages until WM_QUIT; returns the code it carries.
int RunMessageLoop();

// Dispatches messages, waiting for the next one whenever none is pending, until `done` holds.
// A WM_QUIT met on the way is posted again once `done` holds, so the outer loop still ends.
void ProcessMessagesUntil(const std::function<bool()>& done);

// Dispatches the messages pending now, once, without waiting.
void ProcessPendingMessages();

}  // namespace toolkit::platform::win32
