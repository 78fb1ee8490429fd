#pragma once

#include "toolkit/platform/platform.h"

// The process's one platform, made by a backend's test program before the first test runs; the
// cases that every backend's tests share (platform_loop_cases.cpp) run on it.
toolkit::platform::Platform& TestPlatform();

// The coarsest step of the platform's clock that its tests accept, in seconds.
double CoarsestClockStep();
