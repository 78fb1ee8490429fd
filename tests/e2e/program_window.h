#pragma once

#include "process.h"
#include "x_input.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;

inline constexpr auto kCapturePollInterval = 30ms;

// The program under test (named by the LUMIVOR_PROGRAM environment variable),
// running in the current X server, and its main window. Positions are in the
// window's client coordinates unless a name says otherwise.
class ProgramWindow {
public:
  // Starts the program with the pointer parked in the screen's top-left
  // corner, away from the window, and waits until its window is shown,
  // framed by the window manager and painted.
  explicit ProgramWindow(const EnvironmentOverrides& environment = {});

  std::string property(const std::string& name) const;  // UTF-8 text property
  QRect clientOnScreen() const;
  QRect frameOnScreen() const;

  // What the screen shows of the client area.
  QImage capture() const;
  // Captures until `check` holds for a capture or the timeout passes; returns
  // the last capture either way, for the caller to assert on.
  QImage captureWhen(const std::function<bool(const QImage&)>& check,
                     std::chrono::milliseconds timeout = 5s,
                     std::chrono::milliseconds interval = kCapturePollInterval) const;
  // Captures every `interval` until the screen has stayed the same for the
  // settle time (LUMIVOR_SETTLE_MS, at least `interval`) and the capture is
  // not blank and passes `check` if one is given.
  QImage captureSettled(const std::function<bool(const QImage&)>& check = {},
                        std::chrono::milliseconds timeout = 5s,
                        std::chrono::milliseconds interval = kCapturePollInterval) const;
  // Every capture that can be taken during `duration`, in order.
  std::vector<QImage> captureFor(std::chrono::milliseconds duration) const;

  void moveTo(QPoint position) const;
  void press(QPoint position, x_input::MouseButton button = x_input::MouseButton::Left) const;
  void release(x_input::MouseButton button = x_input::MouseButton::Left) const;
  void click(QPoint position, x_input::MouseButton button = x_input::MouseButton::Left,
             int times = 1) const;
  // A left-button stroke from `from` to `to` taking `duration` (x_input::drag).
  void drag(QPoint from, QPoint to, std::chrono::milliseconds duration) const;
  // Makes the window the active one unless it has the keyboard focus, waits
  // until it has, then types the chord.
  void typeKeys(const std::string& chord) const;
  void clickCloseBox() const;

  // Asks the window manager for a client area of `size` and waits until the
  // window has it.
  void resize(QSize size) const;
  // Minimises the window and waits until it is off the screen.
  void minimize() const;
  // Activates the window, which brings it back from being minimised, and
  // waits until it is on the screen again and no longer moving.
  void restore() const;

  // The process runs and its main window still exists.
  bool isRunning();
  // The ids of the program's windows that are on the screen.
  std::vector<std::string> shownWindows() const;
  const std::string& windowId() const { return windowId_; }

  std::optional<int> waitForExit(std::chrono::milliseconds timeout = 5s);

private:
  std::string findWindow(const EnvironmentOverrides& environment);
  void waitUntilFramed() const;
  QRect geometryOf(const std::string& windowId) const;
  bool isViewable() const;

  ChildProcess process_;
  std::string windowId_;
};

}  // namespace e2e
