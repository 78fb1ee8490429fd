#include "x_input.h"

#include "process.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace e2e::x_input {
namespace {

std::string buttonNumber(MouseButton button) {
  return std::to_string(static_cast<int>(button));
}

// xdotool's "mousemove --sync" would wait forever when the pointer is already
// there, so moves are plain and ordered by sharing the connection instead.
void xdotoolAfterMove(QPoint screenPosition, std::vector<std::string> action) {
  std::vector<std::string> argv{"xdotool", "mousemove", std::to_string(screenPosition.x()),
                                std::to_string(screenPosition.y())};
  argv.insert(argv.end(), action.begin(), action.end());
  runChecked(argv);
}

}  // namespace

void movePointer(QPoint screenPosition) { xdotoolAfterMove(screenPosition, {}); }

void pressButtonAt(QPoint screenPosition, MouseButton button) {
  xdotoolAfterMove(screenPosition, {"mousedown", buttonNumber(button)});
}

void releaseButton(MouseButton button) {
  runChecked({"xdotool", "mouseup", buttonNumber(button)});
}

// xdotool's own --repeat waits its delay after the last click as well, so the
// clicks are chained with the pauses between them only.
void clickAt(QPoint screenPosition, MouseButton button, int times) {
  std::vector<std::string> action;
  for (int click = 0; click < times; ++click) {
    if (click > 0) action.insert(action.end(), {"sleep", "0.08"});
    action.insert(action.end(), {"click", "--delay", "0", buttonNumber(button)});
  }
  xdotoolAfterMove(screenPosition, action);
}

void drag(QPoint from, QPoint to, std::chrono::milliseconds duration, MouseButton button) {
  constexpr std::chrono::milliseconds kStep{20};
  const int steps = std::max<int>(1, static_cast<int>(duration / kStep));
  char pause[32];
  std::snprintf(pause, sizeof pause, "%.3f", duration.count() / 1000.0 / steps);
  std::vector<std::string> action{"mousedown", buttonNumber(button)};
  for (int step = 1; step <= steps; ++step) {
    const QPoint at = from + (to - from) * step / steps;
    if (duration.count() > 0) action.insert(action.end(), {"sleep", pause});
    action.insert(action.end(), {"mousemove", std::to_string(at.x()), std::to_string(at.y())});
  }
  action.insert(action.end(), {"mouseup", buttonNumber(button)});
  xdotoolAfterMove(from, action);
}

void typeKeys(const std::string& chord) {
  runChecked({"xdotool", "key", "--clearmodifiers", chord});
}

}  // namespace e2e::x_input
