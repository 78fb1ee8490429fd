#pragma once

#include "mouse_button.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <chrono>
#include <string>
#include <utility>
#include <vector>

namespace e2e {

// A running program under test and the one window it shows: a program in an X window, or the web
// build in a browser's page. Positions are in the window's client coordinates, in layout units.
class ProgramSession {
public:
  virtual ~ProgramSession() = default;

  // The window's caption as each place that shows it has it: (where, text).
  virtual std::vector<std::pair<std::string, std::string>> captions() const = 0;
  virtual QSize clientSize() const = 0;
  // The client area's size and the part of it that input reaches, taken together.
  struct ClientArea {
    QSize size;
    QRect reachable;
  };
  virtual ClientArea clientArea() const = 0;

  // What the client area shows, in the display's pixels.
  virtual QImage capture() const = 0;

  virtual void moveTo(QPoint position) const = 0;
  virtual void press(QPoint position, MouseButton button) const = 0;
  virtual void release(MouseButton button) const = 0;
  // `times` clicks in quick succession: two make a double click.
  virtual void click(QPoint position, MouseButton button, int times) const = 0;
  // A left-button stroke from `from` to `to` in steps of about 20 ms spread over `duration`.
  virtual void drag(QPoint from, QPoint to, std::chrono::milliseconds duration) const = 0;
  // A key chord in xdotool's notation, e.g. "ctrl+shift+Tab" or "space", given to the window.
  virtual void typeKeys(const std::string& chord) const = 0;

  // Gives the client area `size` and waits until it has it.
  virtual void resize(QSize size) const = 0;
  // Takes the window off the screen, and puts it back and waits until it is at rest.
  virtual void minimize() const = 0;
  virtual void restore() const = 0;

  // The program runs and its main window still exists.
  virtual bool isRunning() = 0;
  // The windows the program shows: its main one, windowId(), and any other.
  virtual std::vector<std::string> shownWindows() const = 0;
  virtual std::string windowId() const = 0;
};

}  // namespace e2e
