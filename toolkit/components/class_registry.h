#pragma once

#include <functional>
#include <memory>
#include <string>

#include "toolkit/components/component.h"

namespace toolkit {

using ComponentFactory = std::function<std::unique_ptr<TComponent>()>;

// Makes a class creatable by the name a form definition gives it.
void RegisterClass(const std::string& className, ComponentFactory factory);
// A new component of a registered class; an unknown class is an error.
std::unique_ptr<TComponent> CreateComponent(const std::string& className);

}  // namespace toolkit
