#pragma once

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

namespace toolkit {

class TComponent;
using TObject = TComponent;

// Details of a recognised gesture as a window's gesture handler receives them.
struct TGestureEventInfo {
  int GestureID = 0;
  double LocationX = 0;  // where the stroke started, in client coordinates
  double LocationY = 0;
};

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TGestureEvent = std::function<void(TObject* Sender, const TGestureEventInfo& EventInfo, bool& Handled)>;

// A handler as the form publishes it under its name, ready to be bound to an event.
using THandler = std::variant<TNotifyEvent, TGestureEvent>;

// Takes the handler of the kind an event needs; a handler of another kind cannot be bound.
template <typename Event>
Event HandlerAs(const THandler& handler, std::string_view eventName) {
  if (const Event* event = std::get_if<Event>(&handler)) return *event;
  throw std::invalid_argument("the handler bound to " + std::string(eventName) + " has the wrong parameters");
}

}  // namespace toolkit
