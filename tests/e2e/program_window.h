#pragma once

#include "process.h"
#include "program_session.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <vector>

namespace e2e {

using namespace std::chrono_literals;

inline constexpr auto kCapturePollInterval = 30ms;

// The program under test and its main window, read as a person reads it: from captures, often
// taken until what they show holds or has settled. The program runs in the current X server
// (XProgramSession), or, when LUMIVOR_BROWSER names a browser, it is the web build in a page of
// that browser (BrowserProgramSession). Positions are in the window's client coordinates.
class ProgramWindow {
public:
  // Starts the program and waits until its window is shown and painted.
  explicit ProgramWindow(const EnvironmentOverrides& environment = {});
  explicit ProgramWindow(std::unique_ptr<ProgramSession> session);

  // The session as the kind it is, for what only that kind has.
  template <class Session>
  Session& session() const {
    if (auto* kind = dynamic_cast<Session*>(session_.get())) return *kind;
    throw std::logic_error(std::string("the program under test does not run as a ") + typeid(Session).name());
  }

  std::vector<std::pair<std::string, std::string>> captions() const { return session_->captions(); }
  QSize clientSize() const { return session_->clientSize(); }
  ProgramSession::ClientArea clientArea() const { return session_->clientArea(); }

  // What the window shows of the client area.
  QImage capture() const { return session_->capture(); }
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

  void moveTo(QPoint position) const { session_->moveTo(position); }
  void press(QPoint position, MouseButton button = MouseButton::Left) const {
    session_->press(position, button);
  }
  void release(MouseButton button = MouseButton::Left) const { session_->release(button); }
  void click(QPoint position, MouseButton button = MouseButton::Left, int times = 1) const {
    session_->click(position, button, times);
  }
  void drag(QPoint from, QPoint to, std::chrono::milliseconds duration) const {
    session_->drag(from, to, duration);
  }
  void typeKeys(const std::string& chord) const { session_->typeKeys(chord); }

  void resize(QSize size) const { session_->resize(size); }
  void minimize() const { session_->minimize(); }
  void restore() const { session_->restore(); }

  bool isRunning() { return session_->isRunning(); }
  std::vector<std::string> shownWindows() const { return session_->shownWindows(); }
  std::string windowId() const { return session_->windowId(); }

  // What only a window on an X screen has: its properties, its frame and its closing.
  std::string property(const std::string& name) const;
  QRect clientOnScreen() const;
  QRect frameOnScreen() const;
  void clickCloseBox() const;
  std::optional<int> waitForExit(std::chrono::milliseconds timeout = 5s);

private:
  std::unique_ptr<ProgramSession> session_;
};

}  // namespace e2e
