#pragma once

#include <QRect>
#include <memory>
#include <string>

#include "Unit1.h"
#include "button.h"
#include "check_box.h"
#include "image.h"
#include "stepped_clock.h"
#include "tab_control.h"
#include "tab_item.h"
#include "text.h"

// The main form as the program builds it, with a clock the test steps. It is shown at the
// designed size, on card 1, once the start-up slide has run.
class DeckForm {
 public:
  explicit DeckForm(std::unique_ptr<SteppedClock> startUpClock = std::make_unique<SteppedClock>());

  TForm1& Form() const { return *form_; }
  toolkit::TTabControl& Tabs() const;
  void UseClock(std::unique_ptr<SteppedClock> clock);

  toolkit::TTabItem* Page(int page) const;  // 1-based page number
  toolkit::TImage* ImageOf(int card) const;
  toolkit::TText* TextOf(int card) const;
  toolkit::TCheckBox* CheckBoxOf(int card) const;
  toolkit::TButton* NextButtonOf(int card) const;
  toolkit::TButton* BackToStart() const;
  int CurrentPage() const { return Tabs().TabIndex() + 1; }

  // A control's rectangle in the window's client coordinates.
  QRect InWindow(const QWidget* control) const;
  void Resize(int width, int height);
  // Types a key as the keyboard would: to the control with the focus, else to the window.
  void PressKey(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

 private:
  template <typename T>
  T* Named(const std::string& name) const;

  std::unique_ptr<TForm1> form_;
};
