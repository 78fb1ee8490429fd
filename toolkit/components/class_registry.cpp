#include "toolkit/components/class_registry.h"

#include <map>
#include <stdexcept>

namespace toolkit {
namespace {

std::map<std::string, ComponentFactory>& Classes() {
  static std::map<std::string, ComponentFactory> classes;
  return classes;
}

}  // namespace

void RegisterClass(const std::string& className, ComponentFactory factory) {
  Classes()[className] = std::move(factory);
}

std::unique_ptr<TComponent> CreateComponent(const std::string& className) {
  const auto found = Classes().find(className);
  if (found == Classes().end()) throw std::invalid_argument("unknown component class " + className);
  return found->second();
}

}  // namespace toolkit
