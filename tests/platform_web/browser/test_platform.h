#pragma once

#include <functional>

#include "tests/support/test_platform.h"

// Runs the platform's loop until `done` holds or `seconds` have passed; says whether it held.
bool ProcessUntil(const std::function<bool()>& done, double seconds = 5);
// Runs the platform's loop for `seconds`, so that whatever the page still has to tell arrives.
void ProcessFor(double seconds);
