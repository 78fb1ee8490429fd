#pragma once

#include <string>
#include <utility>
#include <vector>

#include "toolkit/components/value.h"

namespace toolkit {

// One component of a stored form definition: its class, its name, its properties in stored
// order and the components it holds. A property whose name starts with "On" is an event, and
// its value names the form's handler to bind to it.
struct ComponentRecord {
  std::string className;
  std::string name;
  std::vector<std::pair<std::string, TValue>> properties;
  std::vector<ComponentRecord> children;
};

}  // namespace toolkit
