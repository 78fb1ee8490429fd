#pragma once

#include <memory>

#include "toolkit/platform/platform.h"

class QWidget;

namespace toolkit::platform::qt {

class WindowWidget;

// A top-level window: one native window, hidden from the start, whose single widget the
// toolkit paints entirely.
class QtWindow final : public Window {
 public:
  explicit QtWindow(WindowEvents& events);
  ~QtWindow() override;

  QWidget& Widget();

  void SetCaption(std::string_view caption) override;
  void SetClientSize(int width, int height) override;
  int ClientWidth() const override;
  int ClientHeight() const override;
  void Show() override;
  bool IsVisible() const override;
  void Invalidate() override;
  void Update() override;
  void SetPointerCapture(bool captured) override;
  void NotifyAccessibility(AccessibleNode& node, AccessibleChange change) override;

 private:
  std::unique_ptr<WindowWidget> widget_;
};

}  // namespace toolkit::platform::qt
