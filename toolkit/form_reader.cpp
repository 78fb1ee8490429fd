#include "form_reader.h"

#include <QWidget>
#include <stdexcept>

#include "class_registry.h"
#include "component.h"
#include "form.h"

namespace toolkit {
namespace {

bool IsEvent(const std::string& property) { return property.size() > 2 && property.starts_with("On"); }

void ApplyProperties(TForm& form, QObject& object, TComponent& component, const ComponentRecord& record) {
  for (const auto& [property, value] : record.properties) {
    if (IsEvent(property)) {
      if (!component.BindEvent(property, form.Handler(value.toString().toStdString()))) {
        throw std::invalid_argument(record.name + " has no event " + property);
      }
    } else if (!object.setProperty(property.c_str(), value)) {
      throw std::invalid_argument(record.name + " has no property " + property + " of that kind");
    }
  }
}

void ReadChildren(TForm& form, TComponent& component, const ComponentRecord& record);

void ReadComponent(TForm& form, QWidget* parent, const ComponentRecord& record) {
  QObject* object = CreateComponent(record.className, parent);
  object->setObjectName(QString::fromStdString(record.name));
  form.AddComponent(record.name, object);
  auto* component = dynamic_cast<TComponent*>(object);
  ApplyProperties(form, *object, *component, record);
  ReadChildren(form, *component, record);
  component->Loaded();
}

void ReadChildren(TForm& form, TComponent& component, const ComponentRecord& record) {
  if (record.children.empty()) return;
  QWidget* container = component.ChildContainer();
  if (container == nullptr) throw std::invalid_argument(record.name + " cannot hold components");
  for (const ComponentRecord& child : record.children) ReadComponent(form, container, child);
}

}  // namespace

void ReadForm(TForm& form, const ComponentRecord& definition) {
  form.setObjectName(QString::fromStdString(definition.name));
  ApplyProperties(form, form, form, definition);
  ReadChildren(form, form, definition);
  form.Loaded();
}

}  // namespace toolkit
