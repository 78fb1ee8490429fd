#pragma once

#include "toolkit/controls/control.h"

namespace toolkit {

// A control clicked by a left press and a release within it. Any press gives it the keyboard
// focus; a release outside, the control being hidden under the press, or the system taking
// the pointer away ends the press without a click. Each half of a double click is a click of its own.
class TPressable : public TControl {
 public:
  bool IsPressed() const { return pressed_; }

  bool TakesPointerInput() const override { return true; }
  bool CanFocus() const override { return true; }
  void PointerDown(const PointerEvent& event) override;
  void PointerUp(const PointerEvent& event) override;
  void PressCancelled() override;
  // A screen reader's default action is a click: it focuses the control and clicks it, and like
  // a click reaches only a shown control.
  void DoDefaultAction() override;

 protected:
  // Called for every click, after the press has ended.
  virtual void Clicked() = 0;

 private:
  bool pressed_ = false;
};

}  // namespace toolkit
