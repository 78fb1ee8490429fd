#include "toolkit/platform/web/page_events.h"

#include <array>

#include "toolkit/platform/web/page_api.h"

namespace toolkit::platform::web {

std::optional<PageEvent> TakePageEvent() {
  std::array<std::int32_t, 6> numbers{};
  std::array<double, 4> measures{};
  std::array<char, 64> key{};
  if (lumivor_take_event(numbers.data(), measures.data(), key.data(), static_cast<int>(key.size())) == 0) {
    return std::nullopt;
  }
  return PageEvent{
      .kind = static_cast<PageEventKind>(numbers[0]),
      .pointer = static_cast<PointerKind>(numbers[1]),
      .pointerId = numbers[2],
      .buttons = numbers[3],
      .modifiers = numbers[4],
      .node = numbers[5],
      .x = measures[0],
      .y = measures[1],
      .time = measures[2],
      .ratio = measures[3],
      .key = key.data(),
  };
}

void WaitForPageEvent(double timeoutMs) { lumivor_wait_for_event(timeoutMs); }

}  // namespace toolkit::platform::web
