#pragma once

#include <vector>

#include "toolkit/controls/control.h"
#include "toolkit/controls/tab_item.h"

namespace toolkit {

enum class TTabTransition { None, Slide };
enum class TTabTransitionDirection { Normal, Reversed };

// A deck of pages shown one at a time over the whole control, with a block of page dots drawn
// over the bottom of the pages. Next, Previous and First change the page with an optional
// slide; setting TabIndex changes it at once.
class TTabControl : public TControl {
 public:
  static constexpr double kSlideSeconds = 0.3;
  static constexpr int kFrameIntervalMs = 20;

  int TabIndex() const { return tabIndex_; }
  // Makes the page current at once; an index out of range or the current one changes nothing.
  void SetTabIndex(int index);
  int TabCount() const { return static_cast<int>(pages_.size()); }
  TTabItem* Page(int index) const;
  TTabItem* CurrentPage() const { return Page(tabIndex_); }
  int IndexOf(const TTabItem& page) const;

  // Each returns whether the requested page is current afterwards. A request is refused when
  // there is no such page, it is current already, or a slide is in progress. A slide returns
  // only once it has ended, the message loop running meanwhile.
  bool Next(TTabTransition transition, TTabTransitionDirection direction);
  bool Previous(TTabTransition transition, TTabTransitionDirection direction);
  bool First(TTabTransition transition, TTabTransitionDirection direction);
  bool IsSliding() const { return slide_.outgoing != nullptr; }

  void FocusCurrentDot();

  bool SetProperty(std::string_view property, const TValue& value) override;
  bool BindEvent(std::string_view event, const THandler& handler) override;
  bool Adopt(std::unique_ptr<TComponent>& child) override;
  void Loaded() override;
  void Realign() override;
  void Paint(Canvas& canvas) const override;
  void PaintChildren(Canvas& canvas) const override;
  TControl* ControlAt(PointF point) override;
  bool KeyDown(Key key, Modifiers modifiers) override;
  void CollectTabStops(std::vector<TControl*>& stops) override;
  std::optional<AccessibleRole> RoleOf() const override { return AccessibleRole::PageTabList; }
  void CollectAccessibleChildren(std::vector<TControl*>& children) const override;

 private:
  struct SlidingPair {
    TTabItemContent* outgoing = nullptr;
    TTabItemContent* incoming = nullptr;
  };

  bool GoTo(int target, TTabTransition transition, TTabTransitionDirection direction);
  void Slide(int target, TTabTransitionDirection direction);
  void ChangeCurrent(int index);
  // The contents drawn now, back to front.
  std::vector<TTabItemContent*> ShownContents() const;
  // Shows the current page over the whole page area and hides the others.
  void RealignPages();
  void LayoutDots();

  std::vector<TTabItem*> pages_;
  int tabIndex_ = -1;
  int storedTabIndex_ = -1;
  bool loaded_ = false;
  SlidingPair slide_;
  TNotifyEvent onChange_;
};

}  // namespace toolkit
