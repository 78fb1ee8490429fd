#pragma once

#include <string_view>

namespace toolkit::platform::qt {

// A modal error message with an OK button; returns once the learner has closed it.
void ShowErrorBox(std::string_view text);

}  // namespace toolkit::platform::qt
