#pragma once

#include "toolkit/controls/pressable.h"

namespace toolkit {

// A check box with its caption; the box and the caption are one control. A click or a typed
// space flips it; every real change raises OnChange once.
class TCheckBox : public TPressable {
 public:
  static constexpr int kBoxSize = 13;
  static constexpr int kBoxColumn = 18;  // the box is centred in a column this wide at the left edge
  static constexpr int kCaptionGap = 3;

  bool IsChecked() const override { return checked_; }
  void SetIsChecked(bool checked);
  // Where the box lies in the control, centred with halves going to the even neighbour.
  Rect Box() const;

  bool BindEvent(std::string_view event, const THandler& handler) override;
  bool CharTyped(char32_t character, Modifiers modifiers) override;
  void Paint(Canvas& canvas) const override;
  std::optional<AccessibleRole> RoleOf() const override { return AccessibleRole::CheckBox; }
  bool IsCheckable() const override { return true; }
  AccessibleAction DefaultAction() const override { return AccessibleAction::Toggle; }

 protected:
  void Clicked() override;

 private:
  bool checked_ = false;
  TNotifyEvent onChange_;
};

}  // namespace toolkit
