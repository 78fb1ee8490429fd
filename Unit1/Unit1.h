#pragma once

#include "toolkit/app/form.h"

namespace toolkit {
class TCheckBox;
class TTabControl;
}

// The main window: the whole deck on one tab control, navigated by buttons and swipes.
class TForm1 : public toolkit::TForm {
 public:
  TForm1();

  void FormCreate(toolkit::TObject* Sender);
  void FormGesture(toolkit::TObject* Sender, const toolkit::TGestureEventInfo& EventInfo, bool& Handled);
  void Button1Click(toolkit::TObject* Sender);
  void Button2Click(toolkit::TObject* Sender);
  // The change handler of check box `checkBox`, published as CheckBox<checkBox>Change:
  // it shows its own card's answer exactly while the box is checked.
  void CheckBoxChange(int checkBox);

 protected:
  toolkit::ComponentRecord Definition() const override;

 private:
  toolkit::TTabControl* TabControl1() const;
  toolkit::TCheckBox* CheckBoxNumbered(int checkBox) const;
};

extern TForm1* Form1;
