#pragma once

#include <QIcon>

namespace toolkit::platform::qt {

// The program's icon, from the images built into the program.
QIcon MainIcon();

}  // namespace toolkit::platform::qt
