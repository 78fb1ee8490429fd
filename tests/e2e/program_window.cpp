#include "program_window.h"

#include "screen_capture.h"

#include <algorithm>
#include <cstdlib>
#include <regex>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace e2e {
namespace {

constexpr auto kStartTimeout = 15s;
constexpr auto kWindowManagerTimeout = 5s;

// Polls `condition` until it holds; throws with `failure` after `timeout`.
void waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout,
               const std::string& failure) {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (!condition()) {
    if (std::chrono::steady_clock::now() >= deadline) throw std::runtime_error(failure);
    std::this_thread::sleep_for(kCapturePollInterval);
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

// How long the screen must stay the same before what it shows counts as
// settled: LUMIVOR_SETTLE_MS, or one poll. A program whose frames reach the
// screen late or in bursts, as under Wine, needs longer.
std::chrono::milliseconds settleTime() {
  const char* text = std::getenv("LUMIVOR_SETTLE_MS");
  if (text == nullptr || *text == '\0') return kCapturePollInterval;
  return std::chrono::milliseconds(std::stoi(text));
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

bool isBlank(const QImage& image) {
  if (image.isNull()) return true;
  const QRgb first = image.pixel(0, 0);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != first) return false;
  return true;
}

}  // namespace

ProgramWindow::ProgramWindow(const EnvironmentOverrides& environment)
    : process_(startProgram(environment)), windowId_(findWindow(environment)) {
  waitUntilFramed();
  captureSettled();
}

std::string ProgramWindow::findWindow(const EnvironmentOverrides& environment) {
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
    std::this_thread::sleep_for(kCapturePollInterval);
  }
  throw std::runtime_error("the program showed no window");
}

std::vector<std::string> ProgramWindow::shownWindows() const {
  return words(runCommand({"xdotool", "search", "--onlyvisible", "--pid",
                           std::to_string(process_.pid())})
                   .output);
}

void ProgramWindow::waitUntilFramed() const {
  waitUntil([&] { return frameExtents(windowId_).size() == 4; }, kStartTimeout,
            "the window manager did not frame the window");
}

std::string ProgramWindow::property(const std::string& name) const {
  // xprop prints text properties as UTF-8 only in a UTF-8 locale.
  const auto text = runChecked({"xprop", "-id", windowId_, "-notype", name}, {"LC_ALL=C.UTF-8"});
  const auto first = text.find('"');
  const auto last = text.rfind('"');
  if (first == std::string::npos || last == first)
    throw std::runtime_error("no text in: " + text);
  return text.substr(first + 1, last - first - 1);
}

QRect ProgramWindow::geometryOf(const std::string& windowId) const {
  const auto info = runChecked({"xwininfo", "-id", windowId});
  return QRect(numberAfter(info, "Absolute upper-left X:"), numberAfter(info, "Absolute upper-left Y:"),
               numberAfter(info, "Width:"), numberAfter(info, "Height:"));
}

QRect ProgramWindow::clientOnScreen() const { return geometryOf(windowId_); }

QRect ProgramWindow::frameOnScreen() const { return geometryOf(parentOf(windowId_)); }

QImage ProgramWindow::capture() const { return captureScreen(clientOnScreen()); }

QImage ProgramWindow::captureWhen(const std::function<bool(const QImage&)>& check,
                                  std::chrono::milliseconds timeout,
                                  std::chrono::milliseconds interval) const {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  QImage image = capture();
  while (!check(image) && std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(interval);
    image = capture();
  }
  return image;
}

QImage ProgramWindow::captureSettled(const std::function<bool(const QImage&)>& check,
                                     std::chrono::milliseconds timeout,
                                     std::chrono::milliseconds interval) const {
  const auto stillFor = std::max(interval, settleTime());
  QImage previous = capture();
  auto lastChange = std::chrono::steady_clock::now();
  std::this_thread::sleep_for(interval);
  return captureWhen(
      [&](const QImage& image) {
        const auto now = std::chrono::steady_clock::now();
        if (image != previous) {
          previous = image;
          lastChange = now;
          return false;
        }
        return now - lastChange >= stillFor && !isBlank(image) && (!check || check(image));
      },
      timeout + stillFor, interval);
}

std::vector<QImage> ProgramWindow::captureFor(std::chrono::milliseconds duration) const {
  const auto end = std::chrono::steady_clock::now() + duration;
  std::vector<QImage> captures;
  while (std::chrono::steady_clock::now() < end) captures.push_back(capture());
  return captures;
}

void ProgramWindow::moveTo(QPoint position) const {
  x_input::movePointer(clientOnScreen().topLeft() + position);
}

void ProgramWindow::press(QPoint position, x_input::MouseButton button) const {
  x_input::pressButtonAt(clientOnScreen().topLeft() + position, button);
}

void ProgramWindow::release(x_input::MouseButton button) const { x_input::releaseButton(button); }

void ProgramWindow::click(QPoint position, x_input::MouseButton button, int times) const {
  x_input::clickAt(clientOnScreen().topLeft() + position, button, times);
}

void ProgramWindow::drag(QPoint from, QPoint to, std::chrono::milliseconds duration) const {
  const QPoint origin = clientOnScreen().topLeft();
  x_input::drag(origin + from, origin + to, duration);
}

void ProgramWindow::typeKeys(const std::string& chord) const {
  const auto focused = [&] { return runChecked({"xdotool", "getwindowfocus"}) == windowId_ + "\n"; };
  if (!focused()) {
    runChecked({"xdotool", "windowactivate", "--sync", windowId_});
    waitUntil(focused, kStartTimeout, "the window did not receive the keyboard focus");
  }
  x_input::typeKeys(chord);
}

void ProgramWindow::clickCloseBox() const {
  // Openbox's default theme ends the title bar with the close box, whose
  // centre lies 11 pixels in from the frame's right edge, halfway down the bar.
  const QRect frame = frameOnScreen();
  const int titleBarHeight = frameExtents(windowId_).at(2);
  const QPoint closeBox{frame.x() + frame.width() - 11, frame.y() + titleBarHeight / 2};
  if (closeBox.x() < 0 || closeBox.y() < 0)
    throw std::runtime_error("the close box lies off the screen, the frame being at (" +
                             std::to_string(frame.x()) + "," + std::to_string(frame.y()) + ")");
  x_input::clickAt(closeBox, x_input::MouseButton::Left);
}

void ProgramWindow::resize(QSize size) const {
  runChecked({"xdotool", "windowsize", windowId_, std::to_string(size.width()),
              std::to_string(size.height())});
  waitUntil([&] { return clientOnScreen().size() == size; }, kWindowManagerTimeout,
            "the window did not take the size " + std::to_string(size.width()) + "x" +
                std::to_string(size.height()));
}

bool ProgramWindow::isViewable() const {
  return runChecked({"xwininfo", "-id", windowId_}).find("Map State: IsViewable") !=
         std::string::npos;
}

void ProgramWindow::minimize() const {
  runChecked({"xdotool", "windowminimize", windowId_});
  waitUntil([&] { return !isViewable(); }, kWindowManagerTimeout,
            "the window did not leave the screen when minimised");
}

void ProgramWindow::restore() const {
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

bool ProgramWindow::isRunning() {
  return !process_.hasExited() && runCommand({"xwininfo", "-id", windowId_}).exitCode == 0;
}

std::optional<int> ProgramWindow::waitForExit(std::chrono::milliseconds timeout) {
  return process_.waitForExit(timeout);
}

}  // namespace e2e
