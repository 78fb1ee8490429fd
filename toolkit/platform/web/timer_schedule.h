#pragma once

#include <functional>
#include <limits>
#include <vector>

namespace toolkit::platform::web {

// The program's timers. The page never calls into the program, so the loop fires them itself
// and waits for the page no longer than until the next is due. A timer that fell behind, as
// in a hidden tab whose page the browser wakes once a second, ticks once and keeps its step.
class TimerSchedule {
 public:
  static constexpr double kNone = std::numeric_limits<double>::infinity();

  int Add(double intervalMs, double nowMs, std::function<void()> onTick);
  void Remove(int id);
  // Fires each timer due at `nowMs` once; a tick may add and remove timers.
  void FireDue(double nowMs);
  // Milliseconds from `nowMs` until the next timer is due, 0 if one is overdue, kNone with none.
  double TimeUntilNext(double nowMs) const;

 private:
  struct Entry {
    int id;
    double intervalMs;
    double dueMs;
    std::function<void()> onTick;
  };
  Entry* Find(int id);

  std::vector<Entry> entries_;
  int nextId_ = 1;
};

}  // namespace toolkit::platform::web
