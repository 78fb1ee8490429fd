#pragma once

#include <memory>
#include <vector>

#include "animation_clock.h"
#include "control.h"

namespace toolkit {

class TTabItem;
class TTabItemContent;

enum class TTabTransition { None, Slide };
enum class TTabTransitionDirection { Normal, Reversed };

// A deck of pages shown one at a time over the whole control, with a block of page dots
// drawn over the bottom of the pages. Next, Previous and First change the page with an
// optional slide; setting TabIndex changes it at once.
class TTabControl : public TControl {
  Q_OBJECT
  Q_PROPERTY(int TabIndex READ TabIndex WRITE SetTabIndex)
  Q_PROPERTY(toolkit::TTabControl::TabPositionKind TabPosition READ TabPosition WRITE SetTabPosition)

 public:
  // Where the page tabs are shown: this control shows its pages as dots.
  enum class TabPositionKind { Dots };
  Q_ENUM(TabPositionKind)

  static constexpr double kSlideSeconds = 0.3;

  explicit TTabControl(QWidget* parent);
  ~TTabControl() override;

  int TabIndex() const { return tabIndex_; }
  // Makes the page current at once; an index out of range or the current one changes nothing.
  void SetTabIndex(int index);
  TabPositionKind TabPosition() const { return TabPositionKind::Dots; }
  void SetTabPosition(TabPositionKind) {}

  int TabCount() const { return static_cast<int>(pages_.size()); }
  TTabItem* Page(int index) const;
  TTabItem* CurrentPage() const { return Page(tabIndex_); }
  int IndexOf(const TTabItem* page) const;

  // Each returns whether the requested page is current afterwards. A request is refused when
  // there is no such page, it is current already, or a slide is in progress.
  bool Next(TTabTransition transition, TTabTransitionDirection direction);
  bool Previous(TTabTransition transition, TTabTransitionDirection direction);
  bool First(TTabTransition transition, TTabTransitionDirection direction);
  bool IsSliding() const { return sliding_; }

  void SetAnimationClock(std::unique_ptr<AnimationClock> clock) { clock_ = std::move(clock); }

  bool BindEvent(const std::string& event, const THandler& handler) override;
  void Loaded() override;
  void Realign() override;

  // Called by each new page.
  void AddPage(TTabItem* page);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  bool GoTo(int target, TTabTransition transition, TTabTransitionDirection direction);
  void Slide(int target, TTabTransitionDirection direction);
  void ChangeCurrent(int index);
  // Shows the current page over the whole page area and hides the others.
  void RealignPages();
  void LayoutDots();

  std::vector<TTabItem*> pages_;
  int tabIndex_ = -1;
  int loadedTabIndex_ = -1;
  bool loading_ = true;
  bool sliding_ = false;
  std::unique_ptr<AnimationClock> clock_;
  TNotifyEvent onChange_;
};

}  // namespace toolkit
