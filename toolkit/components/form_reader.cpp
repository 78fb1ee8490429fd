#include "toolkit/components/form_reader.h"

#include <stdexcept>

#include "toolkit/components/class_registry.h"

namespace toolkit {
namespace {

bool IsEvent(const std::string& property) { return property.size() > 2 && property.starts_with("On"); }

void ApplyProperties(TComponent& component, const ComponentOwner& owner, const ComponentRecord& record) {
  for (const auto& [property, value] : record.properties) {
    if (IsEvent(property)) {
      const THandler& handler = owner.Handler(ValueAs<std::string>(value, property));
      if (!component.BindEvent(property, handler)) {
        throw std::invalid_argument(record.name + " has no event " + property);
      }
    } else if (!component.SetProperty(property, value)) {
      throw std::invalid_argument(record.name + " has no property " + property);
    }
  }
}

void ReadChildren(TComponent& parent, ComponentOwner& owner, const ComponentRecord& record) {
  for (const ComponentRecord& childRecord : record.children) {
    std::unique_ptr<TComponent> child = CreateComponent(childRecord.className);
    TComponent& component = *child;
    component.SetComponentName(childRecord.name);
    owner.AddComponent(component);
    if (!parent.Adopt(child)) throw std::invalid_argument(record.name + " cannot hold " + childRecord.name);
    ApplyProperties(component, owner, childRecord);
    ReadChildren(component, owner, childRecord);
    component.Loaded();
  }
}

}  // namespace

void ReadForm(TComponent& form, ComponentOwner& owner, const ComponentRecord& definition) {
  form.SetComponentName(definition.name);
  ApplyProperties(form, owner, definition);
  ReadChildren(form, owner, definition);
  form.Loaded();
}

}  // namespace toolkit
