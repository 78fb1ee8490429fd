#include "tests/platform_win32/recording_events.h"

namespace lumivor::win32_tests {

using namespace toolkit::platform;

void RecordingEvents::Paint(Canvas& canvas) {
  ++paints;
  if (painter) painter(canvas);
}

void RecordingEvents::Resized(int clientWidth, int clientHeight) { sizes.emplace_back(clientWidth, clientHeight); }

void RecordingEvents::PointerPressed(MouseButton button, PointF position) { presses.push_back({button, position}); }

void RecordingEvents::PointerDoubleClicked(MouseButton button, PointF position) {
  doubleClicks.push_back({button, position});
}

void RecordingEvents::PointerMoved(PointF position) { moves.push_back(position); }

void RecordingEvents::PointerReleased(MouseButton button, PointF position) { releases.push_back({button, position}); }

void RecordingEvents::PointerLeft() { ++leaves; }

void RecordingEvents::PointerCaptureLost() { ++captureLosses; }

void RecordingEvents::Touch(TouchPhase phase, int id, PointF position) { touches.push_back({phase, id, position}); }

void RecordingEvents::KeyDown(Key key, Modifiers modifiers) { keys.push_back({key, modifiers}); }

void RecordingEvents::CharTyped(char32_t character, Modifiers modifiers) {
  typed.push_back(character);
  typedModifiers.push_back(modifiers);
}

void RecordingEvents::ActiveChanged(bool active) { activations.push_back(active); }

void RecordingEvents::CloseRequested() { ++closeRequests; }

AccessibleNode* RecordingEvents::AccessibleRoot() { return accessibleRoot; }

}  // namespace lumivor::win32_tests
