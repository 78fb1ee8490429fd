#include "toolkit/controls/control.h"

#include <stdexcept>

namespace toolkit {

TControl::TControl() = default;
TControl::~TControl() = default;

TControl& TControl::AddControl(std::unique_ptr<TControl> control) {
  control->parent_ = this;
  controls_.push_back(std::move(control));
  return *controls_.back();
}

bool TControl::Adopt(std::unique_ptr<TComponent>& child) {
  auto* control = dynamic_cast<TControl*>(child.get());
  if (control == nullptr) return false;
  child.release();
  AddControl(std::unique_ptr<TControl>(control));
  return true;
}

ControlHost* TControl::Host() const {
  const TControl* control = this;
  while (control->parent_ != nullptr) control = control->parent_;
  return control->host_;
}

void TControl::SetAlign(TAlignLayout align) {
  align_ = align;
  RealignParent();
}

void TControl::SetPosition(int x, int y) {
  Place(Rect{x, y, x + Width(), y + Height()});
  RealignParent();
}

void TControl::SetSize(int width, int height) {
  Place(Rect{bounds_.left, bounds_.top, bounds_.left + width, bounds_.top + height});
  RealignParent();
}

void TControl::Place(const Rect& bounds) {
  if (bounds == bounds_) return;
  const bool resized = bounds.Width() != Width() || bounds.Height() != Height();
  bounds_ = bounds;
  if (resized) Realign();
  Invalidate();
}

Rect TControl::BoundsInWindow() const {
  Rect rect = bounds_;
  for (const TControl* container = parent_; container != nullptr; container = container->parent_) {
    rect = rect.Offset(container->bounds_.left, container->bounds_.top);
  }
  return rect;
}

PointF TControl::FromWindow(PointF point) const {
  const Rect inWindow = BoundsInWindow();
  return {point.x - inWindow.left, point.y - inWindow.top};
}

void TControl::SetVisible(bool visible) {
  if (ChangeVisible(visible)) RealignParent();
}

bool TControl::ChangeVisible(bool visible) {
  if (visible == visible_) return false;
  visible_ = visible;
  if (ControlHost* host = Host()) {
    if (!visible) host->ControlHidden(*this);
    host->InvalidateWindow();
  }
  if (parent_ != nullptr) parent_->NotifyAccessibility(platform::AccessibleChange::Structure);
  if (describes_ != nullptr) describes_->NotifyAccessibility(platform::AccessibleChange::Description);
  return true;
}

bool TControl::IsShowing() const {
  const TControl* control = this;
  for (; control->parent_ != nullptr; control = control->parent_) {
    if (!control->visible_) return false;
  }
  return control->visible_ && control->host_ != nullptr;
}

void TControl::SetText(std::string text) {
  text_ = std::move(text);
  Invalidate();
  NotifyAccessibility(platform::AccessibleChange::Name);
  if (describes_ != nullptr && visible_) describes_->NotifyAccessibility(platform::AccessibleChange::Description);
}

TAlignLayout AlignLayoutNamed(const std::string& name) {
  if (name == "Top") return TAlignLayout::Top;
  if (name == "Left") return TAlignLayout::Left;
  if (name == "Client") return TAlignLayout::Client;
  if (name == "None") return TAlignLayout::None;
  throw std::invalid_argument("unknown alignment " + name);
}

bool TControl::SetProperty(std::string_view property, const TValue& value) {
  if (property == "Align") {
    SetAlign(AlignLayoutNamed(ValueAs<std::string>(value, property)));
  } else if (property == "Position.X") {
    SetPosition(ValueAs<int>(value, property), bounds_.top);
  } else if (property == "Position.Y") {
    SetPosition(bounds_.left, ValueAs<int>(value, property));
  } else if (property == "Width") {
    SetSize(ValueAs<int>(value, property), Height());
  } else if (property == "Height") {
    SetSize(Width(), ValueAs<int>(value, property));
  } else if (property == "Visible") {
    SetVisible(ValueAs<bool>(value, property));
  } else if (property == "Text") {
    SetText(ValueAs<std::string>(value, property));
  } else {
    return false;
  }
  return true;
}

void TControl::PaintTree(Canvas& canvas) const {
  if (!visible_) return;
  canvas.Save();
  canvas.Translate(bounds_.left, bounds_.top);
  Paint(canvas);
  PaintChildren(canvas);
  canvas.Restore();
}

void TControl::PaintChildren(Canvas& canvas) const {
  for (const auto& control : controls_) control->PaintTree(canvas);
}

void TControl::Invalidate() const {
  if (ControlHost* host = Host(); host != nullptr && IsShowing()) host->InvalidateWindow();
}

void TControl::PrepareForDisplay() {
  for (const auto& control : controls_) control->PrepareForDisplay();
}

TControl* TControl::ControlAt(PointF point) {
  if (!visible_) return nullptr;
  for (auto child = controls_.rbegin(); child != controls_.rend(); ++child) {
    TControl& control = **child;
    if (!control.visible_ || !control.bounds_.Contains(point.x, point.y)) continue;
    if (TControl* hit = control.ControlAt({point.x - control.bounds_.left, point.y - control.bounds_.top})) return hit;
  }
  return TakesPointerInput() ? this : nullptr;
}

void TControl::SetFocus() {
  ControlHost* host = Host();
  if (host != nullptr && CanFocus() && IsShowing()) host->SetFocused(this);
}

bool TControl::IsFocused() const {
  const ControlHost* host = Host();
  return host != nullptr && host->Focused() == this;
}

bool TControl::IsHovered() const {
  const ControlHost* host = Host();
  return host != nullptr && host->Hovered() == this;
}

void TControl::CollectTabStops(std::vector<TControl*>& stops) {
  if (!visible_) return;
  if (CanFocus()) stops.push_back(this);
  for (const auto& control : controls_) control->CollectTabStops(stops);
}

void TControl::Realign() {
  std::vector<AlignItem> items;
  std::vector<TControl*> aligned;
  for (const auto& control : controls_) {
    if (control->align_ == TAlignLayout::None) continue;
    aligned.push_back(control.get());
    items.push_back({control->align_, control->visible_, control->bounds_});
  }
  if (aligned.empty()) return;
  AlignObjects(Width(), Height(), items);
  for (size_t i = 0; i < aligned.size(); ++i) {
    if (items[i].visible) aligned[i]->Place(items[i].bounds);
  }
}

void TControl::RealignParent() {
  if (parent_ != nullptr) parent_->Realign();
}

void TControl::NotifyAccessibility(platform::AccessibleChange change) {
  if (ControlHost* host = Host(); host != nullptr && IsShowing()) host->AccessibilityChanged(*this, change);
}

std::string TControl::Description() const {
  return describedBy_ != nullptr && describedBy_->visible_ ? describedBy_->text_ : std::string();
}

void TControl::SetDescribedBy(TControl* description) {
  if (describedBy_ != nullptr) describedBy_->describes_ = nullptr;
  describedBy_ = description;
  if (description != nullptr) description->describes_ = this;
}

void TControl::CollectAccessibleChildren(std::vector<TControl*>& children) const {
  for (const auto& control : controls_) {
    if (!control->visible_) continue;
    if (control->RoleOf()) {
      children.push_back(control.get());
    } else {
      control->CollectAccessibleChildren(children);
    }
  }
}

platform::AccessibleNode* TControl::AccessibleParent() const {
  TControl* container = parent_;
  while (container != nullptr && !container->RoleOf() && container->parent_ != nullptr) container = container->parent_;
  return container;
}

int TControl::AccessibleChildCount() const {
  std::vector<TControl*> children;
  CollectAccessibleChildren(children);
  return static_cast<int>(children.size());
}

platform::AccessibleNode* TControl::AccessibleChild(int index) const {
  std::vector<TControl*> children;
  CollectAccessibleChildren(children);
  return index >= 0 && index < static_cast<int>(children.size()) ? children[index] : nullptr;
}

}  // namespace toolkit
