#include "x_program_session.h"

#include "screen_capture.h"
#include "x_input.h"

#include <cstdlib>
#include <functional>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace e2e {
namespace {

using namespace std::chrono_literals;

constexpr auto kStartTimeout = 15s;
constexpr auto kWindowManagerTimeout = 5s;
constexpr auto kPollInterval = 30ms;

// Polls `condition` until it holds; throws with `failure` after `timeout`.
void waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout,
               const std::string& failure) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) throw std::runtime_error(failure);
    std::this_thread::sleep_for(kPollInterval);
  }
}

std::string programPath() {
  const char* path = std::getenv("LUMIVOR_PROGRAM");
  if (path == nullptr || *path == '\0')
    throw std::runtime_error("LUMIVOR_PROGRAM must name the program under test");
  return path;
}

// LUMIVOR_LAUNCHER (`wine` for the Windows build), or nothing when unset.
const char* launcher() {
  const char* command = std::getenv("LUMIVOR_LAUNCHER");
  return command != nullptr && *command != '\0' ? command : nullptr;
}

// The command that starts the program: the program itself, or the launcher
// with the program as its argument.
std::vector<std::string> programCommand() {
  if (const char* command = launcher()) return {command, programPath()};
  return {programPath()};
}

// The exit code of a launcher that could not start the program at all: Wine's loader does so
// now and then ("Inconsistency detected by ld.so"). The program itself never ends with it.
constexpr int kLauncherCouldNotStart = 127;

ChildProcess startProgram(EnvironmentOverrides environment) {
  x_input::movePointer({0, 0});
  environment.insert(environment.begin(), "QT_QPA_PLATFORM=xcb");
  return ChildProcess(programCommand(), environment);
}

QRect screenRect() {
  std::istringstream size(runChecked({"xdotool", "getdisplaygeometry"}));
  int width = 0, height = 0;
  size >> width >> height;
  return {0, 0, width, height};
}

int numberAfter(const std::string& text, const std::string& label) {
  std::smatch match;
  if (!std::regex_search(text, match, std::regex(label + R"(\s*(-?\d+))")))
    throw std::runtime_error("no \"" + label + "\" in:\n" + text);
  return std::stoi(match[1]);
}

std::string parentOf(const std::string& windowId) {
  const auto tree = runChecked({"xwininfo", "-tree", "-id", windowId});
  std::smatch match;
  if (!std::regex_search(tree, match, std::regex(R"(Parent window id: (0x[0-9a-f]+))")))
    throw std::runtime_error("no parent window in:\n" + tree);
  return match[1];
}

std::vector<std::string> words(const std::string& text) {
  std::istringstream stream(text);
  std::vector<std::string> result;
  for (std::string word; stream >> word;) result.push_back(word);
  return result;
}

// _NET_FRAME_EXTENTS: left, right, top, bottom; empty until the window
// manager has framed the window.
std::vector<int> frameExtents(const std::string& windowId) {
  const auto text = runCommand({"xprop", "-id", windowId, "_NET_FRAME_EXTENTS"}).output;
  std::vector<int> extents;
  const auto equals = text.find('=');
  if (equals == std::string::npos) return extents;
  std::istringstream values(text.substr(equals + 1));
  for (std::string value; std::getline(values, value, ',');) extents.push_back(std::stoi(value));
  return extents;
}

}  // namespace

XProgramSession::XProgramSession(const EnvironmentOverrides& environment)
    : process_(startProgram(environment)), windowId_(findWindow(environment)), screen_(screenRect()) {
  waitUntilFramed();
}

std::string XProgramSession::findWindow(const EnvironmentOverrides& environment) {
  const auto deadline = std::chrono::steady_clock::now() + kStartTimeout;
  bool startedAgain = false;
  while (std::chrono::steady_clock::now() < deadline) {
    if (process_.hasExited()) {
      const int exitCode = *process_.waitForExit(0ms);
      if (exitCode == kLauncherCouldNotStart && launcher() != nullptr && !startedAgain) {
        startedAgain = true;
        process_ = startProgram(environment);
        continue;
      }
      throw std::runtime_error("the program ended before showing its window, exit code " +
                               std::to_string(exitCode));
    }
    if (const auto ids = shownWindows(); !ids.empty()) return ids.front();
    std::this_thread::sleep_for(kPollInterval);
  }
  throw std::runtime_error("the program showed no window");
}

std::vector<std::string> XProgramSession::shownWindows() const {
  return words(runCommand({"xdotool", "search", "--onlyvisible", "--pid",
                           std::to_string(process_.pid())})
                   .output);
}

void XProgramSession::waitUntilFramed() const {
  waitUntil([&] { return frameExtents(windowId_).size() == 4; }, kStartTimeout,
            "the window manager did not frame the window");
}

std::string XProgramSession::property(const std::string& name) const {
  // xprop prints text properties as UTF-8 only in a UTF-8 locale.
  const auto text = runChecked({"xprop", "-id", windowId_, "-notype", name}, {"LC_ALL=C.UTF-8"});
  const auto first = text.find('"');
  const auto last = text.rfind('"');
  if (first == std::string::npos || last == first)
    throw std::runtime_error("no text in: " + text);
  return text.substr(first + 1, last - first - 1);
}

QRect XProgramSession::geometryOf(const std::string& windowId) const {
  const auto info = runChecked({"xwininfo", "-id", windowId});
  return QRect(numberAfter(info, "Absolute upper-left X:"), numberAfter(info, "Absolute upper-left Y:"),
               numberAfter(info, "Width:"), numberAfter(info, "Height:"));
}

QRect XProgramSession::clientOnScreen() const { return geometryOf(windowId_); }

std::vector<std::pair<std::string, std::string>> XProgramSession::captions() const {
  return {{"_NET_WM_NAME", property("_NET_WM_NAME")}, {"WM_NAME", property("WM_NAME")}};
}

QSize XProgramSession::clientSize() const { return clientOnScreen().size(); }

ProgramSession::ClientArea XProgramSession::clientArea() const {
  const QRect client = clientOnScreen();
  return {client.size(), (client & screen_).translated(-client.topLeft())};
}

QRect XProgramSession::frameOnScreen() const { return geometryOf(parentOf(windowId_)); }

QImage XProgramSession::capture() const { return captureScreen(clientOnScreen()); }

void XProgramSession::moveTo(QPoint position) const {
  x_input::movePointer(clientOnScreen().topLeft() + position);
}

void XProgramSession::press(QPoint position, MouseButton button) const {
  x_input::pressButtonAt(clientOnScreen().topLeft() + position, button);
}

void XProgramSession::release(MouseButton button) const { x_input::releaseButton(button); }

void XProgramSession::click(QPoint position, MouseButton button, int times) const {
  x_input::clickAt(clientOnScreen().topLeft() + position, button, times);
}

void XProgramSession::drag(QPoint from, QPoint to, std::chrono::milliseconds duration) const {
  const QPoint origin = clientOnScreen().topLeft();
  x_input::drag(origin + from, origin + to, duration);
}

void XProgramSession::typeKeys(const std::string& chord) const {
  const auto focused = [&] { return runChecked({"xdotool", "getwindowfocus"}) == windowId_ + "\n"; };
  if (!focused()) {
    runChecked({"xdotool", "windowactivate", "--sync", windowId_});
    waitUntil(focused, kStartTimeout, "the window did not receive the keyboard focus");
  }
  x_input::typeKeys(chord);
}

void XProgramSession::clickCloseBox() const {
  // Openbox's default theme ends the title bar with the close box, whose
  // centre lies 11 pixels in from the frame's right edge, halfway down the bar.
  const QRect frame = frameOnScreen();
  const int titleBarHeight = frameExtents(windowId_).at(2);
  const QPoint closeBox{frame.x() + frame.width() - 11, frame.y() + titleBarHeight / 2};
  if (closeBox.x() < 0 || closeBox.y() < 0)
    throw std::runtime_error("the close box lies off the screen, the frame being at (" +
                             std::to_string(frame.x()) + "," + std::to_string(frame.y()) + ")");
  x_input::clickAt(closeBox, MouseButton::Left);
}

void XProgramSession::resize(QSize size) const {
  runChecked({"xdotool", "windowsize", windowId_, std::to_string(size.width()),
              std::to_string(size.height())});
  waitUntil([&] { return clientOnScreen().size() == size; }, kWindowManagerTimeout,
            "the window did not take the size " + std::to_string(size.width()) + "x" +
                std::to_string(size.height()));
}

bool XProgramSession::isViewable() const {
  return runChecked({"xwininfo", "-id", windowId_}).find("Map State: IsViewable") !=
         std::string::npos;
}

void XProgramSession::minimize() const {
  runChecked({"xdotool", "windowminimize", windowId_});
  waitUntil([&] { return !isViewable(); }, kWindowManagerTimeout,
            "the window did not leave the screen when minimised");
}

void XProgramSession::restore() const {
  runChecked({"xdotool", "windowactivate", windowId_});
  // Openbox animates the way back, moving the mapped window across the screen.
  constexpr auto kStillFor = 150ms;
  QRect last;
  auto lastMove = std::chrono::steady_clock::now();
  waitUntil(
      [&] {
        if (!isViewable()) return false;
        const auto now = std::chrono::steady_clock::now();
        if (const QRect client = clientOnScreen(); client != last) {
          last = client;
          lastMove = now;
        }
        return now - lastMove >= kStillFor;
      },
      kWindowManagerTimeout, "the window did not come back to rest when activated");
}

bool XProgramSession::isRunning() {
  return !process_.hasExited() && runCommand({"xwininfo", "-id", windowId_}).exitCode == 0;
}

std::optional<int> XProgramSession::waitForExit(std::chrono::milliseconds timeout) {
  return process_.waitForExit(timeout);
}

}  // namespace e2e
