#include "toolkit/platform/win32/fine_system_clock.h"

#include "toolkit/platform/win32/system_library.h"

namespace toolkit::platform::win32 {

namespace {

// timeBeginPeriod and timeEndPeriod, in winmm.dll, which is loaded only when a short timer
// first runs.
using TimePeriodFunction = decltype(&timeBeginPeriod);
constexpr UINT kFinestPeriodMs = 1;
constexpr int kLongestFineIntervalMs = 50;

TimePeriodFunction TimePeriodFunctionNamed(const char* name) {
  return FindSystemFunctionAs<TimePeriodFunction>(L"winmm.dll", name);
}

}  // namespace

FineSystemClock::FineSystemClock() {
  static const TimePeriodFunction begin = TimePeriodFunctionNamed("timeBeginPeriod");
  raised_ = begin && begin(kFinestPeriodMs) == TIMERR_NOERROR;
}

FineSystemClock::~FineSystemClock() {
  static const TimePeriodFunction end = TimePeriodFunctionNamed("timeEndPeriod");
  // Each successful timeBeginPeriod must be matched, or the finer tick outlives the timer.
  if (raised_ && end) end(kFinestPeriodMs);
}

bool FineSystemClock::IsNeededFor(int intervalMs) { return intervalMs <= kLongestFineIntervalMs; }

}  // namespace toolkit::platform::win32
