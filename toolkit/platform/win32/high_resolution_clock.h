#pragma once

namespace toolkit::platform::win32 {

// Seconds since the system started, from the performance counter.
double SecondsFromPerformanceCounter();

}  // namespace toolkit::platform::win32
