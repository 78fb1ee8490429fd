#pragma once

#include "process.h"
#include "program_session.h"

#include <optional>

namespace e2e {

// The program named by the LUMIVOR_PROGRAM environment variable (started through
// LUMIVOR_LAUNCHER where set, e.g. `wine`), running in the current X server under a window
// manager, driven by XTest input and read from the screen.
class XProgramSession : public ProgramSession {
public:
  // Starts the program with the pointer parked in the screen's top-left corner, away from the
  // window, and waits until its window is shown and framed by the window manager.
  explicit XProgramSession(const EnvironmentOverrides& environment);

  std::vector<std::pair<std::string, std::string>> captions() const override;
  QSize clientSize() const override;
  // The part on the screen is the part that input reaches.
  ClientArea clientArea() const override;
  QImage capture() const override;
  void moveTo(QPoint position) const override;
  void press(QPoint position, MouseButton button) const override;
  void release(MouseButton button) const override;
  void click(QPoint position, MouseButton button, int times) const override;
  void drag(QPoint from, QPoint to, std::chrono::milliseconds duration) const override;
  // Makes the window the active one unless it has the keyboard focus, waits until it has, then
  // types the chord.
  void typeKeys(const std::string& chord) const override;
  // Asks the window manager for the size.
  void resize(QSize size) const override;
  void minimize() const override;
  // Activates the window, which brings it back from being minimised.
  void restore() const override;
  bool isRunning() override;
  // The ids of the program's windows that are on the screen.
  std::vector<std::string> shownWindows() const override;
  std::string windowId() const override { return windowId_; }

  std::string property(const std::string& name) const;  // UTF-8 text property
  QRect clientOnScreen() const;
  QRect frameOnScreen() const;
  void clickCloseBox() const;
  std::optional<int> waitForExit(std::chrono::milliseconds timeout);

private:
  std::string findWindow(const EnvironmentOverrides& environment);
  void waitUntilFramed() const;
  QRect geometryOf(const std::string& windowId) const;
  bool isViewable() const;

  ChildProcess process_;
  std::string windowId_;
  QRect screen_;
};

}  // namespace e2e
