#pragma once

#include "toolkit/controls/pressable.h"

namespace toolkit {

// A push button with a centred caption. A click, or Enter or Space with no modifier while it
// has the focus, raises OnClick.
class TButton : public TPressable {
 public:
  bool BindEvent(std::string_view event, const THandler& handler) override;
  bool KeyDown(Key key, Modifiers modifiers) override;
  void Paint(Canvas& canvas) const override;
  std::optional<AccessibleRole> RoleOf() const override { return AccessibleRole::Button; }
  AccessibleAction DefaultAction() const override { return AccessibleAction::Press; }

  // Clicks the button as the learner would.
  void Click() { Clicked(); }

 protected:
  void Clicked() override;

 private:
  TNotifyEvent onClick_;
};

}  // namespace toolkit
