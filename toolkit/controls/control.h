#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/components/component.h"
#include "toolkit/controls/control_host.h"
#include "toolkit/controls/input.h"
#include "toolkit/layout/align_objects.h"
#include "toolkit/platform/platform.h"

namespace toolkit {

using platform::AccessibleAction;
using platform::AccessibleRole;
using platform::Canvas;

// The base of every visual control: a rectangle in its parent, placed by its alignment, that
// paints itself and then the controls it holds. Its stored size and position are what the
// alignment rules start from; whenever a container's size or a child's alignment, size or
// visibility changes, the container lays its children out again.
class TControl : public TComponent, public platform::AccessibleNode {
 public:
  TControl();
  ~TControl() override;

  // The control tree.
  TControl* Parent() const { return parent_; }
  const std::vector<std::unique_ptr<TControl>>& Controls() const { return controls_; }
  TControl& AddControl(std::unique_ptr<TControl> control);
  bool Adopt(std::unique_ptr<TComponent>& child) override;
  // The window holding the tree; set on its root.
  ControlHost* Host() const;
  void SetHost(ControlHost* host) { host_ = host; }

  // Placement.
  TAlignLayout Align() const { return align_; }
  void SetAlign(TAlignLayout align);
  const Rect& Bounds() const { return bounds_; }  // in the parent's coordinates
  int Width() const { return bounds_.Width(); }
  int Height() const { return bounds_.Height(); }
  void SetPosition(int x, int y);
  void SetSize(int width, int height);
  // Gives the control new bounds without asking its parent to realign, and lays out what it
  // holds when its size changed.
  void Place(const Rect& bounds);
  Rect BoundsInWindow() const override;
  PointF FromWindow(PointF point) const;

  bool Visible() const { return visible_; }
  // Shows or hides the control; its container lays its children out again.
  void SetVisible(bool visible);
  // Whether the control and every container around it are visible within a window.
  bool IsShowing() const;
  const std::string& Text() const { return text_; }
  virtual void SetText(std::string text);

  bool SetProperty(std::string_view property, const TValue& value) override;

  // Painting: the control's own look, then what it holds, each in its own coordinates.
  void PaintTree(Canvas& canvas) const;
  virtual void Paint(Canvas&) const {}
  virtual void PaintChildren(Canvas& canvas) const;
  void Invalidate() const;
  // Readies whatever the control shows before it first appears, so that appearing costs nothing.
  virtual void PrepareForDisplay();

  // Input. The control under a point, in this control's coordinates; none when no control
  // there takes pointer input.
  virtual TControl* ControlAt(PointF point);
  virtual bool TakesPointerInput() const { return false; }
  virtual bool CanFocus() const { return false; }
  virtual void PointerDown(const PointerEvent&) {}
  virtual void PointerUp(const PointerEvent&) {}
  // A press ended without its release: the control was hidden under it, or the system took
  // the pointer away. Nothing is clicked.
  virtual void PressCancelled() {}
  // Each returns whether the key was used; an unused key goes to the container.
  virtual bool KeyDown(Key, Modifiers) { return false; }
  virtual bool CharTyped(char32_t, Modifiers) { return false; }
  virtual void FocusChanged() { Invalidate(); }
  virtual void HoverChanged() { Invalidate(); }
  void SetFocus();
  bool IsHovered() const;
  // The controls that take the focus by the Tab key, in their order.
  virtual void CollectTabStops(std::vector<TControl*>& stops);

  // Lays out what the control holds for its current size.
  virtual void Realign();

  // Accessibility: a control without a role of its own lends its children to its container.
  virtual std::optional<AccessibleRole> RoleOf() const { return std::nullopt; }
  AccessibleRole Role() const override { return RoleOf().value_or(AccessibleRole::Pane); }
  std::string Name() const override { return text_; }
  bool IsFocusable() const override { return CanFocus(); }
  bool IsFocused() const override;
  bool IsCheckable() const override { return false; }
  bool IsChecked() const override { return false; }
  bool IsSelected() const override { return false; }
  AccessibleNode* AccessibleParent() const override;
  int AccessibleChildCount() const override;
  AccessibleNode* AccessibleChild(int index) const override;
  void TakeFocus() override { SetFocus(); }
  AccessibleAction DefaultAction() const override { return AccessibleAction::None; }
  void DoDefaultAction() override {}
  std::string Description() const override;
  // Makes the control's description the text of the other control while that one is
  // visible, as a check box is described by the answer it reveals; none ends it.
  void SetDescribedBy(TControl* description);
  // The children a screen reader sees, in order.
  virtual void CollectAccessibleChildren(std::vector<TControl*>& children) const;

 protected:
  void RealignParent();
  // Shows or hides the control without asking its container to realign; false when it
  // already was so.
  bool ChangeVisible(bool visible);
  void NotifyAccessibility(platform::AccessibleChange change);

 private:
  TControl* parent_ = nullptr;
  ControlHost* host_ = nullptr;
  std::vector<std::unique_ptr<TControl>> controls_;
  TAlignLayout align_ = TAlignLayout::None;
  Rect bounds_;
  bool visible_ = true;
  std::string text_;
  TControl* describedBy_ = nullptr;
  TControl* describes_ = nullptr;  // the control whose description this one's text is
};

// The alignment kind an identifier of a form definition names.
TAlignLayout AlignLayoutNamed(const std::string& name);

}  // namespace toolkit
