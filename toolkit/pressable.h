#pragma once

#include "control.h"

namespace toolkit {

// A control that is clicked by a left press and a release within it. Any press gives it
// keyboard focus; a release outside ends the press without a click. Each half of a double
// click counts as a click of its own.
class TPressable : public TControl {
  Q_OBJECT

 public:
  explicit TPressable(QWidget* parent);

  bool IsPressed() const { return pressed_; }
  bool IsHovered() const { return underMouse(); }

 protected:
  // Called for every click, after the press has ended.
  virtual void Clicked() = 0;

  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  bool pressed_ = false;
};

}  // namespace toolkit
