#include "input_storm.h"

#include "card_layout.h"

#include <array>
#include <numbers>

namespace e2e::storm {
namespace {

using std::chrono::milliseconds;

// Every key a dot, the check box or a button reacts to. Alt+F4 is left out:
// it would close the window, which is not a fault.
const std::array<const char*, 7> kChords{"space", "Return", "Left", "Right", "Tab",
                                         "ctrl+Tab", "ctrl+shift+Tab"};

}  // namespace

int Generator::between(int low, int high) {
  return std::uniform_int_distribution<int>(low, high)(random_);
}

double Generator::fraction() { return std::uniform_real_distribution<double>(0, 1)(random_); }

bool Generator::chance(double probability) { return fraction() < probability; }

int Generator::card() { return between(1, layout::kEndPage - 1); }

// Half of the pointer's targets are the controls, which a uniform pick over
// the window would seldom hit.
Spot Generator::spot() {
  const int roll = between(0, 99);
  const Area area = roll < 45   ? Area::Anywhere
                    : roll < 65 ? Area::CheckBox
                    : roll < 80 ? Area::NextButton
                    : roll < 85 ? Area::ToStartButton
                                : Area::PageDot;
  // Braced lists evaluate in order, which keeps the stream the same everywhere.
  return {area, between(1, layout::kPageCount), {fraction(), fraction()}};
}

Event Generator::event() {
  const int roll = between(0, 99);
  if (roll < 38) {
    const int button = between(0, 99);
    return Click{spot(),
                 button < 70 ? MouseButton::Left : button < 85 ? MouseButton::Right : MouseButton::Middle,
                 chance(0.15) ? 2 : 1};
  }
  if (roll < 58) {
    // Two in three strokes nearly level, to the left or to the right, so that
    // many are swipes; the rest in any direction.
    const int direction = between(0, 2);
    const double jitter = (fraction() - 0.5) * 0.1;
    const double angle = direction == 0   ? jitter
                         : direction == 1 ? std::numbers::pi + jitter
                                          : fraction() * 2 * std::numbers::pi;
    return Drag{spot(), angle, between(3, 600),
                milliseconds(chance(0.25) ? between(0, 40) : between(40, 450))};
  }
  if (roll < 95) return Key{kChords[static_cast<size_t>(between(0, int(kChords.size()) - 1))]};
  if (roll < 99)
    return chance(0.5) ? Resize{{between(560, 800), between(380, 600)}}
                       : Resize{{between(20, 1250), between(20, 900)}};
  return Minimise{milliseconds(between(50, 300))};
}

// Mostly at once, so that input lands in the middle of slides; now and then
// long enough for a slide to end.
milliseconds Generator::pause() {
  const int roll = between(0, 19);
  return milliseconds(roll < 14 ? 0 : roll < 19 ? between(0, 80) : between(100, 400));
}

Step Generator::next() { return {event(), pause()}; }

}  // namespace e2e::storm
