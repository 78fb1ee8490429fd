#include "toolkit/controls/tab_item.h"

#include "toolkit/controls/tab_control.h"
#include "toolkit/looks/style.h"

namespace toolkit {

void TTabItemContent::Paint(Canvas& canvas) const { canvas.ClipTo(Rect{0, 0, Width(), Height()}); }

TTabItem::TTabItem() { Place(Rect{0, 0, kDotSize, kDotSize}); }

int TTabItem::Index() const { return tabControl_->IndexOf(*this); }

bool TTabItem::IsCurrent() const { return tabControl_->TabIndex() == Index(); }

bool TTabItem::Adopt(std::unique_ptr<TComponent>& child) { return content_->Adopt(child); }

void TTabItem::Paint(Canvas& canvas) const {
  const TStyle& style = CurrentStyle();
  canvas.FillRect(Rect{0, 0, Width(), Height()}, IsCurrent() ? style.currentDot : style.dot);
}

void TTabItem::Select() {
  tabControl_->SetTabIndex(Index());
  SetFocus();
}

void TTabItem::DoDefaultAction() {
  if (IsShowing()) Select();
}

void TTabItem::PointerDown(const PointerEvent& event) {
  if (event.button != MouseButton::Left) return;
  // A finger chooses the page when it lifts, so that a stroke begun on a dot is not a tap.
  if (event.touch) {
    tapped_ = true;
  } else {
    Select();
  }
}

void TTabItem::PointerUp(const PointerEvent& event) {
  if (!tapped_) return;
  tapped_ = false;
  if (Rect{0, 0, Width(), Height()}.Contains(event.position.x, event.position.y)) Select();
}

bool TTabItem::KeyDown(Key key, Modifiers modifiers) {
  const bool plain = modifiers == Modifiers{};
  if (plain && key == Key::Left) {
    tabControl_->Previous(TTabTransition::None, TTabTransitionDirection::Normal);
  } else if (plain && key == Key::Right) {
    tabControl_->Next(TTabTransition::None, TTabTransitionDirection::Normal);
  } else {
    return false;
  }
  tabControl_->FocusCurrentDot();
  return true;
}

std::string TTabItem::Name() const { return "Страница " + Text(); }

}  // namespace toolkit
