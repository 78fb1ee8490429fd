#pragma once

#include <optional>

#include "toolkit/platform/platform.h"

namespace toolkit::platform::web {

// Turns what the page reports of the mouse into the window's pointer events. Pointer Events
// report a press only for the first button held and a release only for the last one, the
// others arriving as moves with other buttons held; a release outside the page may not arrive
// at all. So the tracker compares the buttons held with those it knew: every button is
// pressed once and released once, a lost release is made good at the next report, and a
// second press soon after the first, close to it, is a double click.
class MouseTracker {
 public:
  static constexpr double kDoubleClickMs = 500;
  static constexpr double kDoubleClickDistance = 4;

  explicit MouseTracker(WindowEvents& events) : events_(events) {}

  // The mouse is at `position` with `buttons` (Pointer Events' bits) held; `moved` when the
  // report is of a move.
  void Report(PointF position, int buttons, double timeMs, bool moved);
  // The pointer has left the page with no button held.
  void Left();
  // The browser took the mouse away, or the page its capture. The buttons held are still held,
  // and their release, when it comes, is reported as ever; it belongs to no press any more.
  void Cancelled();

 private:
  struct Press {
    MouseButton button;
    PointF position;
    double timeMs;
  };
  bool IsSecondPress(MouseButton button, PointF position, double timeMs) const;

  WindowEvents& events_;
  int buttons_ = 0;
  std::optional<Press> lastPress_;
};

}  // namespace toolkit::platform::web
