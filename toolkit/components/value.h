#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace toolkit {

// A value stored in a form definition: a flag, a whole number, a real, a text or an
// identifier (both as text), a list of identifiers, or binary data built into the program.
using TValue = std::variant<bool, int, double, std::string, std::vector<std::string>, std::span<const std::uint8_t>>;

// Reads a stored value as the kind a property needs; another kind is an error that names
// the property.
template <typename T>
const T& ValueAs(const TValue& value, std::string_view property) {
  if (const T* held = std::get_if<T>(&value)) return *held;
  throw std::invalid_argument("the value stored for " + std::string(property) + " is of the wrong kind");
}

// A real property also takes a whole number.
double RealValue(const TValue& value, std::string_view property);

}  // namespace toolkit
