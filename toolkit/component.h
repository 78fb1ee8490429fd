#pragma once

#include <string>

#include "events.h"

class QWidget;

namespace toolkit {

// What the form reader needs of every component besides its properties.
class TComponent {
 public:
  virtual ~TComponent() = default;
  // Binds a named event to a handler; false when the component has no such event.
  virtual bool BindEvent(const std::string& event, const THandler& handler) = 0;
  // The widget that holds the components read as this one's children, or none.
  virtual QWidget* ChildContainer() { return nullptr; }
  // Runs once the component and all its children have been read.
  virtual void Loaded() {}
};

}  // namespace toolkit
