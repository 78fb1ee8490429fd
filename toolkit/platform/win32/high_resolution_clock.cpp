#include "toolkit/platform/win32/high_resolution_clock.h"

#include "toolkit/platform/win32/windows_api.h"

namespace toolkit::platform::win32 {

double SecondsFromPerformanceCounter() {
  // The frequency is fixed at boot; read it once.
  static const LONGLONG frequency = [] {
    LARGE_INTEGER value;
    QueryPerformanceFrequency(&value);
    return value.QuadPart;
  }();
  LARGE_INTEGER count;
  QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency);
}

}  // namespace toolkit::platform::win32
