#pragma once

#include <functional>

#include "toolkit/platform/platform.h"

// The process's one platform, made before the first test runs.
toolkit::platform::Platform& TestPlatform();

// Runs the platform's loop until `done` holds or `seconds` have passed; says whether it held.
bool ProcessUntil(const std::function<bool()>& done, double seconds = 5);
// Runs the platform's loop for `seconds`, so that whatever the page still has to tell arrives.
void ProcessFor(double seconds);
