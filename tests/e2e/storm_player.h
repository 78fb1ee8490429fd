#pragma once

#include "input_storm.h"
#include "program_window.h"

#include <deque>
#include <string>

namespace e2e {

// Sends the steps of an input storm to the program's window as real input
// and keeps the last of them, as sent, for a failure report. Pointer input
// stays inside the part of the client area that input reaches (on an X screen,
// the part on the screen), so it never reaches the window manager's frame, its
// close box or the desktop.
class StormPlayer {
public:
  static constexpr size_t kRemembered = 50;

  explicit StormPlayer(const ProgramWindow& window);

  void play(const storm::Step& step);
  // Notes something done outside the stream, such as a check's own clicks.
  void note(const std::string& line);
  // The remembered lines, oldest first, one to a line.
  std::string recent() const;

private:
  void send(const storm::Click& click);
  void send(const storm::Drag& drag);
  void send(const storm::Key& key);
  void send(const storm::Resize& resize);
  void send(const storm::Minimise& minimise);

  // Where a spot lies in the window now, and the part of it that input reaches.
  struct Target {
    QPoint point;
    QRect reachable;
    std::string description;
  };
  Target locate(const storm::Spot& spot) const;

  const ProgramWindow& window_;
  int played_ = 0;
  std::deque<std::string> recent_;
};

}  // namespace e2e
