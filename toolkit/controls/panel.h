#pragma once

#include "toolkit/controls/control.h"

namespace toolkit {

// An opaque panel with the look's fill and a one-pixel border inside its edges.
class TPanel : public TControl {
 public:
  void Paint(Canvas& canvas) const override;
  std::optional<AccessibleRole> RoleOf() const override { return AccessibleRole::Pane; }
};

}  // namespace toolkit
