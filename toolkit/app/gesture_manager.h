#pragma once

#include "toolkit/components/component.h"

namespace toolkit {

// The settings shared by the gesture recognition of the windows that use this manager.
class TGestureManager : public TComponent {
 public:
  TGestureManager();

  // Sensitivity as the recogniser takes it: a whole number from 1 to 100.
  int Sensitivity() const { return sensitivity_; }
  bool SetProperty(std::string_view property, const TValue& value) override;

 private:
  int sensitivity_;
};

}  // namespace toolkit
