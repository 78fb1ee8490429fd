#include "toolkit/app/gesture_manager.h"

#include <algorithm>

#include "toolkit/gesture/gesture_template.h"
#include "toolkit/layout/rounding.h"

namespace toolkit {

TGestureManager::TGestureManager() : sensitivity_(gesture::defaultSensitivity) {}

bool TGestureManager::SetProperty(std::string_view property, const TValue& value) {
  if (property != "Sensitivity") return TComponent::SetProperty(property, value);
  sensitivity_ = std::clamp(RoundToInt(RealValue(value, property)), 1, 100);
  return true;
}

}  // namespace toolkit
