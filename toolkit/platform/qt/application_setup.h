#pragma once

#include <memory>

class QApplication;

namespace toolkit::platform::qt {

// Makes the process's one QApplication: one layout unit to one physical pixel whatever the
// environment asks for, the program's font, and its icon on every window.
std::unique_ptr<QApplication> StartApplication();

}  // namespace toolkit::platform::qt
