#pragma once

#include <string_view>

namespace toolkit::platform::win32 {

// A modal error message box over the thread's active window, with an OK button; returns once
// it is closed. Its caption is the owner's caption, or the program's name without one.
void ShowErrorBox(std::string_view text);

}  // namespace toolkit::platform::win32
