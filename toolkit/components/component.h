#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "toolkit/components/events.h"
#include "toolkit/components/value.h"

namespace toolkit {

// Anything a form definition can create: it has a name, takes stored properties and events,
// and may hold the components stored inside it.
class TComponent {
 public:
  TComponent() = default;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;
  virtual ~TComponent() = default;

  // The name the form definition gives the component (a control's Name is what a screen
  // reader announces).
  const std::string& ComponentName() const { return name_; }
  void SetComponentName(std::string name) { name_ = std::move(name); }

  // Sets a stored property; false when the component has no property of that name.
  // A value of the wrong kind is an error.
  virtual bool SetProperty(std::string_view property, const TValue& value);
  // Binds a named event to a handler; false when the component has no such event.
  virtual bool BindEvent(std::string_view event, const THandler& handler);
  // Takes a component read as this one's child; false when it cannot hold such a component.
  virtual bool Adopt(std::unique_ptr<TComponent>& child);
  // Runs once the component and all its children have been read.
  virtual void Loaded() {}

 private:
  std::string name_;
};

}  // namespace toolkit
