#pragma once

#include "toolkit/controls/control.h"

namespace toolkit {

// A block of text centred both ways in its rectangle and wrapped at word boundaries. Clicks
// and strokes over it belong to what lies beneath.
class TText : public TControl {
 public:
  void Paint(Canvas& canvas) const override;
  std::optional<AccessibleRole> RoleOf() const override { return AccessibleRole::StaticText; }
};

}  // namespace toolkit
