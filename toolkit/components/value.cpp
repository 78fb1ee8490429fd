#include "toolkit/components/value.h"

namespace toolkit {

double RealValue(const TValue& value, std::string_view property) {
  if (const int* whole = std::get_if<int>(&value)) return *whole;
  return ValueAs<double>(value, property);
}

}  // namespace toolkit
