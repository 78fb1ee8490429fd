#include "x_input.h"

#include "process.h"

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

void clickAt(QPoint screenPosition, MouseButton button, int times) {
  xdotoolAfterMove(screenPosition, {"click", "--repeat", std::to_string(times), "--delay", "80",
                                    buttonNumber(button)});
}

void typeKeys(const std::string& chord) {
  runChecked({"xdotool", "key", "--clearmodifiers", chord});
}

}  // namespace e2e::x_input
