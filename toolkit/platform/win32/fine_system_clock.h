#pragma once

#include "toolkit/platform/win32/windows_api.h"

namespace toolkit::platform::win32 {

// Raises the resolution of the system's timers to 1 ms for as long as it lives. Windows rounds
// a SetTimer interval up to its clock tick, 15.6 ms unless some program asks for finer: a 20 ms
// animation frame would come every 31 ms, two frames of three. Asked for only while a short
// timer runs, since the finer tick costs every program power. Where winmm.dll is missing the
// resolution stays as it is.
class FineSystemClock {
 public:
  FineSystemClock();
  ~FineSystemClock();
  FineSystemClock(const FineSystemClock&) = delete;
  FineSystemClock& operator=(const FineSystemClock&) = delete;

  // Whether a timer of this interval needs the finer tick: the frames of an animation, which
  // rounding up to 15.6 ms would slow by a quarter or more.
  static bool IsNeededFor(int intervalMs);

 private:
  bool raised_ = false;
};

}  // namespace toolkit::platform::win32
