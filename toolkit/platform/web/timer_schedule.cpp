#include "toolkit/platform/web/timer_schedule.h"

#include <algorithm>

namespace toolkit::platform::web {

int TimerSchedule::Add(double intervalMs, double nowMs, std::function<void()> onTick) {
  const int id = nextId_++;
  entries_.push_back({id, intervalMs, nowMs + intervalMs, std::move(onTick)});
  return id;
}

void TimerSchedule::Remove(int id) {
  std::erase_if(entries_, [id](const Entry& entry) { return entry.id == id; });
}

TimerSchedule::Entry* TimerSchedule::Find(int id) {
  const auto found = std::find_if(entries_.begin(), entries_.end(), [id](const Entry& entry) { return entry.id == id; });
  return found == entries_.end() ? nullptr : &*found;
}

void TimerSchedule::FireDue(double nowMs) {
  std::vector<int> due;
  for (const Entry& entry : entries_) {
    if (entry.dueMs <= nowMs) due.push_back(entry.id);
  }
  for (const int id : due) {
    Entry* entry = Find(id);
    if (entry == nullptr) continue;  // removed by an earlier tick
    entry->dueMs += entry->intervalMs;
    if (entry->dueMs <= nowMs) entry->dueMs = nowMs + entry->intervalMs;
    // A copy: the tick may remove its own timer, or add one and so move the others.
    const std::function<void()> onTick = entry->onTick;
    onTick();
  }
}

double TimerSchedule::TimeUntilNext(double nowMs) const {
  double next = kNone;
  for (const Entry& entry : entries_) next = std::min(next, std::max(0.0, entry.dueMs - nowMs));
  return next;
}

}  // namespace toolkit::platform::web
