#pragma once

#include <string>

#include "toolkit/components/component.h"
#include "toolkit/components/component_record.h"

namespace toolkit {

// What the reader needs of the form it reads into: its published handlers and its record of
// the components it owns, by name.
class ComponentOwner {
 public:
  virtual ~ComponentOwner() = default;
  // A published handler by name; an unknown name is an error.
  virtual const THandler& Handler(const std::string& name) const = 0;
  // Records a component under its name; a second component of the same name is an error.
  virtual void AddComponent(TComponent& component) = 0;
};

// Reads a form definition into the form: the form's own properties, then every component in
// stored order, each with its properties and events, then the components it holds. Each
// component runs Loaded once it and its children have been read; the form last of all.
void ReadForm(TComponent& form, ComponentOwner& owner, const ComponentRecord& definition);

}  // namespace toolkit
