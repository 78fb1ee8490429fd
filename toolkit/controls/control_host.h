#pragma once

#include "toolkit/platform/platform.h"

namespace toolkit {

class TControl;

// What the controls of a window need of the window that holds them.
class ControlHost {
 public:
  virtual ~ControlHost() = default;

  virtual platform::Platform& Services() = 0;
  // Asks for the window to be painted again soon, or at once.
  virtual void InvalidateWindow() = 0;
  virtual void UpdateWindow() = 0;
  virtual bool IsWindowShown() const = 0;

  virtual TControl* Focused() const = 0;
  // Gives the control the keyboard focus; none takes it away from every control.
  virtual void SetFocused(TControl* control) = 0;
  // The control under the pointer.
  virtual TControl* Hovered() const = 0;
  // A control, or a container of controls, has stopped being shown: whatever it holds loses
  // the focus, and a press on it ends without a click.
  virtual void ControlHidden(TControl& control) = 0;

  virtual void AccessibilityChanged(TControl& control, platform::AccessibleChange change) = 0;
};

}  // namespace toolkit
