#include "toolkit/controls/tab_control.h"

#include <algorithm>
#include <stdexcept>

#include "toolkit/components/handler_call.h"
#include "toolkit/layout/dot_layout.h"
#include "toolkit/layout/rounding.h"
#include "toolkit/looks/style.h"

namespace toolkit {
namespace {

TTabTransitionDirection Inverted(TTabTransitionDirection direction) {
  return direction == TTabTransitionDirection::Normal ? TTabTransitionDirection::Reversed
                                                      : TTabTransitionDirection::Normal;
}

}  // namespace

TTabItem* TTabControl::Page(int index) const {
  return index >= 0 && index < TabCount() ? pages_[index] : nullptr;
}

int TTabControl::IndexOf(const TTabItem& page) const {
  const auto found = std::find(pages_.begin(), pages_.end(), &page);
  return found == pages_.end() ? -1 : static_cast<int>(found - pages_.begin());
}

bool TTabControl::Adopt(std::unique_ptr<TComponent>& child) {
  auto* page = dynamic_cast<TTabItem*>(child.get());
  if (page == nullptr) return false;
  child.release();
  page->tabControl_ = this;
  auto content = std::make_unique<TTabItemContent>();
  content->Show(false);
  page->content_ = content.get();
  AddControl(std::move(content));
  pages_.push_back(&static_cast<TTabItem&>(AddControl(std::unique_ptr<TControl>(page))));
  LayoutDots();
  return true;
}

bool TTabControl::SetProperty(std::string_view property, const TValue& value) {
  if (property == "TabIndex") {
    SetTabIndex(ValueAs<int>(value, property));
  } else if (property == "TabPosition") {
    if (ValueAs<std::string>(value, property) != "Dots") throw std::invalid_argument("only dots are shown as tabs");
  } else {
    return TControl::SetProperty(property, value);
  }
  return true;
}

bool TTabControl::BindEvent(std::string_view event, const THandler& handler) {
  if (event != "OnChange") return TControl::BindEvent(event, handler);
  onChange_ = HandlerAs<TNotifyEvent>(handler, event);
  return true;
}

void TTabControl::Loaded() {
  // The stored index names a page read after it.
  loaded_ = true;
  SetTabIndex(storedTabIndex_);
}

void TTabControl::SetTabIndex(int index) {
  if (!loaded_) {
    storedTabIndex_ = index;
    return;
  }
  if (index < 0 || index >= TabCount() || index == tabIndex_) return;
  ChangeCurrent(index);
  RealignPages();
}

void TTabControl::ChangeCurrent(int index) {
  tabIndex_ = index;
  Invalidate();
  NotifyAccessibility(platform::AccessibleChange::Structure);
  CurrentPage()->NotifyAccessibility(platform::AccessibleChange::Selection);
  CallHandler(onChange_, this);
}

bool TTabControl::Next(TTabTransition transition, TTabTransitionDirection direction) {
  return GoTo(tabIndex_ + 1, transition, direction);
}

bool TTabControl::Previous(TTabTransition transition, TTabTransitionDirection direction) {
  return GoTo(tabIndex_ - 1, transition, direction);
}

bool TTabControl::First(TTabTransition transition, TTabTransitionDirection direction) {
  return GoTo(0, transition, direction);
}

bool TTabControl::GoTo(int target, TTabTransition transition, TTabTransitionDirection direction) {
  if (target < 0 || target >= TabCount() || target == tabIndex_ || IsSliding()) return false;
  if (tabIndex_ < 0 || transition == TTabTransition::None || Host() == nullptr) {
    SetTabIndex(target);
  } else {
    Slide(target, target < tabIndex_ ? Inverted(direction) : direction);
  }
  return tabIndex_ == target;
}

void TTabControl::Slide(int target, TTabTransitionDirection direction) {
  ControlHost& host = *Host();
  platform::Platform& services = host.Services();
  TTabItemContent& outgoing = CurrentPage()->Content();
  TTabItemContent& incoming = Page(target)->Content();
  const Rect area = outgoing.Bounds();
  const int shift = direction == TTabTransitionDirection::Normal ? -area.Width() : area.Width();

  slide_ = {&outgoing, &incoming};
  ChangeCurrent(target);
  incoming.Place(area.Offset(-shift, 0));
  incoming.Show(true);
  // The incoming page is readied before it moves, so it arrives complete; the new dot's
  // highlight reaches the screen before anything moves.
  incoming.PrepareForDisplay();
  if (host.IsWindowShown()) host.UpdateWindow();

  const double start = services.Now();
  bool finished = false;
  const auto step = [&] {
    const double elapsed = std::min(services.Now() - start, kSlideSeconds);
    const int travelled = RoundToInt(shift * elapsed / kSlideSeconds);
    outgoing.Place(area.Offset(travelled, 0));
    incoming.Place(area.Offset(travelled - shift, 0));
    finished = elapsed >= kSlideSeconds;
  };
  {
    const std::unique_ptr<platform::Timer> clock = services.StartTimer(kFrameIntervalMs, step);
    services.ProcessMessagesUntil([&] { return finished; });
  }
  slide_ = {};
  RealignPages();
  services.ProcessPendingMessages();
}

void TTabControl::RealignPages() {
  if (IsSliding()) return;
  const Rect area{0, 0, Width(), Height()};
  for (TTabItem* page : pages_) {
    TTabItemContent& content = page->Content();
    if (page == CurrentPage()) {
      content.Place(area);
      content.Show(true);
    } else {
      content.Show(false);
    }
  }
}

void TTabControl::LayoutDots() {
  if (pages_.empty()) return;
  const std::vector<Rect> dots =
      DotLayout(TabCount(), pages_.front()->Width(), pages_.front()->Height(), Width(), Height());
  for (size_t i = 0; i < dots.size(); ++i) pages_[i]->Place(dots[i]);
}

void TTabControl::Realign() {
  RealignPages();
  LayoutDots();
}

std::vector<TTabItemContent*> TTabControl::ShownContents() const {
  if (IsSliding()) return {slide_.outgoing, slide_.incoming};
  if (CurrentPage() == nullptr) return {};
  return {&CurrentPage()->Content()};
}

void TTabControl::Paint(Canvas& canvas) const {
  const Rect area{0, 0, Width(), Height()};
  canvas.FillRect(area, CurrentStyle().tabBackground);
  canvas.FrameRect(area, CurrentStyle().tabBorder, 1);
  canvas.ClipTo(area);
}

void TTabControl::PaintChildren(Canvas& canvas) const {
  for (const TTabItemContent* content : ShownContents()) content->PaintTree(canvas);
  for (const TTabItem* page : pages_) {
    if (page != CurrentPage()) page->PaintTree(canvas);
  }
  if (CurrentPage() != nullptr) CurrentPage()->PaintTree(canvas);
}

TControl* TTabControl::ControlAt(PointF point) {
  if (!Visible()) return nullptr;
  // A point on a dot belongs to the dot, whatever lies beneath it on the page.
  for (TTabItem* page : pages_) {
    if (page->Bounds().Contains(point.x, point.y)) return page;
  }
  std::vector<TTabItemContent*> contents = ShownContents();
  for (auto content = contents.rbegin(); content != contents.rend(); ++content) {
    const Rect& bounds = (*content)->Bounds();
    if (!bounds.Contains(point.x, point.y)) continue;
    if (TControl* hit = (*content)->ControlAt({point.x - bounds.left, point.y - bounds.top})) return hit;
  }
  return nullptr;
}

void TTabControl::FocusCurrentDot() {
  if (CurrentPage() != nullptr) CurrentPage()->SetFocus();
}

bool TTabControl::KeyDown(Key key, Modifiers modifiers) {
  const ControlHost* host = Host();
  const auto* focusedDot = dynamic_cast<const TTabItem*>(host != nullptr ? host->Focused() : nullptr);
  if (key == Key::Tab && modifiers.control && !modifiers.alt && TabCount() > 0) {
    // Unlike the requests, these wrap around at either end.
    const int step = modifiers.shift ? TabCount() - 1 : 1;
    SetTabIndex((tabIndex_ + step) % TabCount());
    FocusCurrentDot();
    return true;
  }
  if (focusedDot != nullptr) FocusCurrentDot();
  return false;
}

void TTabControl::CollectTabStops(std::vector<TControl*>& stops) {
  if (!Visible()) return;
  for (TTabItemContent* content : ShownContents()) content->CollectTabStops(stops);
  if (CurrentPage() != nullptr) stops.push_back(CurrentPage());
}

void TTabControl::CollectAccessibleChildren(std::vector<TControl*>& children) const {
  children.insert(children.end(), pages_.begin(), pages_.end());
  if (CurrentPage() != nullptr) CurrentPage()->Content().CollectAccessibleChildren(children);
}

}  // namespace toolkit
