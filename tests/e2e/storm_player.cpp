#include "storm_player.h"

#include "card_layout.h"

#include <QRect>
#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <thread>

namespace e2e {
namespace {

using namespace storm;

// The part of the window a spot's area covers at the client size `client`.
QRect areaRect(const Spot& spot, QSize client) {
  switch (spot.area) {
    case Area::Anywhere: return {QPoint(0, 0), client};
    case Area::CheckBox: return layout::kCheckBox;
    case Area::NextButton: return layout::kNextButton;
    case Area::ToStartButton: return layout::kToStartButton;
    case Area::PageDot: return layout::pageDot(spot.page, client);
  }
  return {};
}

std::string areaName(const Spot& spot) {
  switch (spot.area) {
    case Area::Anywhere: return "anywhere";
    case Area::CheckBox: return "check box";
    case Area::NextButton: return "next button";
    case Area::ToStartButton: return "to-start button";
    case Area::PageDot: return "dot " + std::to_string(spot.page);
  }
  return {};
}

QPoint clamped(QPoint point, QRect rect) {
  return {std::clamp(point.x(), rect.left(), rect.right()),
          std::clamp(point.y(), rect.top(), rect.bottom())};
}

std::string text(QPoint p) { return "(" + std::to_string(p.x()) + "," + std::to_string(p.y()) + ")"; }
std::string text(QSize s) { return std::to_string(s.width()) + "x" + std::to_string(s.height()); }

}  // namespace

StormPlayer::StormPlayer(const ProgramWindow& window) : window_(window) {}

StormPlayer::Target StormPlayer::locate(const Spot& spot) const {
  const auto [client, reachable] = window_.clientArea();
  if (reachable.isEmpty()) throw std::runtime_error("input reaches no part of the client area");
  const QRect area = areaRect(spot, client);
  const QPoint inArea(area.x() + static_cast<int>(spot.within.x() * area.width()),
                      area.y() + static_cast<int>(spot.within.y() * area.height()));
  const QPoint point = clamped(inArea, reachable);
  return {point, reachable, text(point) + " [" + areaName(spot) + "] in " + text(client)};
}

void StormPlayer::send(const Click& click) {
  const Target target = locate(click.at);
  note(std::string(nameOf(click.button)) + (click.times == 2 ? " double click" : " click") +
       " at " + target.description);
  window_.click(target.point, click.button, click.times);
}

void StormPlayer::send(const Drag& drag) {
  const Target target = locate(drag.from);
  const QPoint reach(static_cast<int>(std::lround(drag.length * std::cos(drag.angle))),
                     static_cast<int>(std::lround(drag.length * std::sin(drag.angle))));
  const QPoint end = clamped(target.point + reach, target.reachable);
  note("drag from " + target.description + " by " + text(end - target.point) + " in " +
       std::to_string(drag.duration.count()) + " ms");
  window_.drag(target.point, end, drag.duration);
}

void StormPlayer::send(const Key& key) {
  note("key " + key.chord);
  window_.typeKeys(key.chord);
}

void StormPlayer::send(const Resize& resize) {
  note("resize to " + text(resize.clientSize));
  window_.resize(resize.clientSize);
}

void StormPlayer::send(const Minimise& minimise) {
  note("minimise for " + std::to_string(minimise.hidden.count()) + " ms, then restore");
  window_.minimize();
  std::this_thread::sleep_for(minimise.hidden);
  window_.restore();
}

void StormPlayer::play(const Step& step) {
  ++played_;
  std::visit([this](const auto& event) { send(event); }, step.event);
  if (step.pauseAfter.count() > 0) {
    recent_.back() += ", then " + std::to_string(step.pauseAfter.count()) + " ms";
    std::this_thread::sleep_for(step.pauseAfter);
  }
}

void StormPlayer::note(const std::string& line) {
  recent_.push_back("#" + std::to_string(played_) + " " + line);
  if (recent_.size() > kRemembered) recent_.pop_front();
}

std::string StormPlayer::recent() const {
  std::string lines;
  for (const auto& line : recent_) lines += line + "\n";
  return lines;
}

}  // namespace e2e
