#pragma once

#include <QWidget>

#include "tests/support/test_platform.h"

// The test platform is made in an environment that asks Qt to scale everything.

// The widget behind a window the test platform made.
QWidget& WidgetOf(toolkit::platform::Window& window);
