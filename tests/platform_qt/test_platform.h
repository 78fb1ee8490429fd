#pragma once

#include <QWidget>

#include "toolkit/platform/platform.h"

// The process's one platform, made before the first test runs, in an environment that asks
// Qt to scale everything.
toolkit::platform::Platform& TestPlatform();

// The widget behind a window the test platform made.
QWidget& WidgetOf(toolkit::platform::Window& window);
