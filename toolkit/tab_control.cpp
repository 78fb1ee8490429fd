#include "tab_control.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPainter>
#include <algorithm>

#include "dot_layout.h"
#include "handler_errors.h"
#include "painting.h"
#include "rounding.h"
#include "style.h"
#include "tab_item.h"

namespace toolkit {
namespace {

TTabTransitionDirection Inverted(TTabTransitionDirection direction) {
  return direction == TTabTransitionDirection::Normal ? TTabTransitionDirection::Reversed
                                                      : TTabTransitionDirection::Normal;
}

// Takes the keyboard focus from any control inside a page that is being hidden.
void DropFocusWithin(QWidget* content) {
  QWidget* focused = QApplication::focusWidget();
  if (focused != nullptr && content->isAncestorOf(focused)) focused->clearFocus();
}

}  // namespace

TTabControl::TTabControl(QWidget* parent) : TControl(parent), clock_(std::make_unique<TimerClock>()) {
  setFocusPolicy(Qt::NoFocus);
}

TTabControl::~TTabControl() = default;

TTabItem* TTabControl::Page(int index) const {
  return index >= 0 && index < TabCount() ? pages_[index] : nullptr;
}

int TTabControl::IndexOf(const TTabItem* page) const {
  const auto found = std::find(pages_.begin(), pages_.end(), page);
  return found == pages_.end() ? -1 : static_cast<int>(found - pages_.begin());
}

void TTabControl::AddPage(TTabItem* page) {
  pages_.push_back(page);
  page->Content()->stackUnder(pages_.front());  // dots stay above every page
  page->Content()->hide();
  LayoutDots();
}

void TTabControl::Loaded() {
  loading_ = false;
  if (loadedTabIndex_ >= 0) SetTabIndex(loadedTabIndex_);
}

void TTabControl::SetTabIndex(int index) {
  if (loading_) {
    loadedTabIndex_ = index;
    return;
  }
  if (index < 0 || index >= TabCount() || index == tabIndex_) return;
  ChangeCurrent(index);
  if (!sliding_) RealignPages();
}

void TTabControl::ChangeCurrent(int index) {
  TTabItem* previous = CurrentPage();
  tabIndex_ = index;
  if (previous != nullptr) previous->update();
  CurrentPage()->update();
  if (onChange_) CallHandler(onChange_, this);
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
  if (target < 0 || target >= TabCount() || target == tabIndex_ || sliding_) return false;
  if (tabIndex_ < 0 || transition == TTabTransition::None) {
    SetTabIndex(target);
  } else {
    Slide(target, target < tabIndex_ ? Inverted(direction) : direction);
  }
  return tabIndex_ == target;
}

void TTabControl::Slide(int target, TTabTransitionDirection direction) {
  sliding_ = true;
  TTabItemContent* outgoing = CurrentPage()->Content();
  TTabItemContent* incoming = Page(target)->Content();
  const int x0 = outgoing->x();
  const int distance = outgoing->width();
  const int shift = direction == TTabTransitionDirection::Normal ? -distance : distance;
  TTabItem* outgoingDot = CurrentPage();
  ChangeCurrent(target);
  // The highlight reaches the screen before anything moves.
  if (isVisible()) {
    outgoingDot->repaint();
    CurrentPage()->repaint();
  }

  // The incoming page is laid out and rendered once before it moves, so it arrives complete.
  PlaceWidget(incoming, QRect(x0 - shift, outgoing->y(), distance, outgoing->height()));
  incoming->stackUnder(pages_.front());
  incoming->show();
  incoming->grab();

  QEventLoop loop;
  auto step = [&] {
    const double elapsed = std::min(clock_->ElapsedSeconds(), kSlideSeconds);
    const double travelled = shift * elapsed / kSlideSeconds;
    outgoing->move(x0 + RoundToInt(travelled), outgoing->y());
    incoming->move(x0 - shift + RoundToInt(travelled), incoming->y());
    if (elapsed >= kSlideSeconds) loop.quit();
  };
  clock_->Start(step);
  loop.exec();
  clock_->Stop();

  sliding_ = false;
  RealignPages();
  QCoreApplication::processEvents();
}

void TTabControl::RealignPages() {
  if (sliding_) return;
  for (TTabItem* page : pages_) {
    TTabItemContent* content = page->Content();
    if (page == CurrentPage()) {
      PlaceWidget(content, rect());
      content->show();
    } else if (!content->isHidden()) {
      DropFocusWithin(content);
      content->hide();
    }
  }
}

void TTabControl::LayoutDots() {
  const std::vector<Rect> dots = DotLayout(TabCount(), width(), height());
  for (size_t i = 0; i < dots.size(); ++i) {
    pages_[i]->setGeometry(dots[i].left, dots[i].top, dots[i].Width(), dots[i].Height());
  }
}

bool TTabControl::BindEvent(const std::string& event, const THandler& handler) {
  if (event != "OnChange") return TControl::BindEvent(event, handler);
  onChange_ = HandlerAs<TNotifyEvent>(handler, event);
  return true;
}

void TTabControl::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const TStyle& style = PlatformStyle();
  FillWithBorder(painter, rect(), style.tabBackground, style.tabBorder);
}

void TTabControl::Realign() {
  RealignPages();
  LayoutDots();
}

void TTabControl::keyPressEvent(QKeyEvent* event) {
  const bool control = event->modifiers() & Qt::ControlModifier;
  const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
  if (!control || !tab || TabCount() == 0) {
    event->ignore();
    return;
  }
  const bool backwards = event->key() == Qt::Key_Backtab || (event->modifiers() & Qt::ShiftModifier);
  const int step = backwards ? TabCount() - 1 : 1;
  SetTabIndex((tabIndex_ + step) % TabCount());
  CurrentPage()->setFocus(Qt::TabFocusReason);
}

}  // namespace toolkit
