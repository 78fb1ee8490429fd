#pragma once

#include "toolkit/controls/control.h"

namespace toolkit {

class TTabControl;

// The container that holds a page's controls, laid over the whole page area and clipping
// them to it. Only the current page's container is shown, except while a slide moves two.
class TTabItemContent : public TControl {
 public:
  void Paint(Canvas& canvas) const override;
  // Shown and hidden by its tab control, which places it itself.
  void Show(bool shown) { ChangeVisible(shown); }
};

// One page of a tab control. The item itself is the page's dot: a square drawn over the
// pages, highlighted while its page is current. Its controls live in its content.
class TTabItem : public TControl {
 public:
  static constexpr int kDotSize = 8;

  TTabItem();

  TTabItemContent& Content() const { return *content_; }
  TTabControl& TabControl() const { return *tabControl_; }
  int Index() const;
  bool IsCurrent() const;

  bool Adopt(std::unique_ptr<TComponent>& child) override;
  void Paint(Canvas& canvas) const override;
  bool TakesPointerInput() const override { return true; }
  bool CanFocus() const override { return true; }
  void PointerDown(const PointerEvent& event) override;
  void PointerUp(const PointerEvent& event) override;
  void PressCancelled() override { tapped_ = false; }
  bool KeyDown(Key key, Modifiers modifiers) override;
  // The page's text, its number, is not drawn; the dot is announced as that page.
  std::string Name() const override;
  std::optional<AccessibleRole> RoleOf() const override { return AccessibleRole::PageTab; }
  bool IsSelected() const override { return IsCurrent(); }
  AccessibleAction DefaultAction() const override { return AccessibleAction::Select; }
  // As a click on the dot: its page becomes current, and the dot takes the focus.
  void DoDefaultAction() override;

 private:
  friend class TTabControl;
  void Select();

  TTabControl* tabControl_ = nullptr;
  TTabItemContent* content_ = nullptr;
  bool tapped_ = false;  // a finger is down on the dot
};

}  // namespace toolkit
