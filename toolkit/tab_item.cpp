#include "tab_item.h"

#include <QKeyEvent>
#include <QPainter>
#include <stdexcept>

#include "style.h"
#include "tab_control.h"

namespace toolkit {
namespace {

TTabControl* RequireTabControl(QWidget* parent) {
  auto* tabControl = qobject_cast<TTabControl*>(parent);
  if (tabControl == nullptr) throw std::invalid_argument("a tab item belongs in a tab control");
  return tabControl;
}

}  // namespace

TTabItemContent::TTabItemContent(QWidget* parent) : QWidget(parent) {}

TTabItem::TTabItem(QWidget* parent)
    : TControl(parent), tabControl_(RequireTabControl(parent)), content_(new TTabItemContent(parent)) {
  setFocusPolicy(Qt::StrongFocus);
  resize(kDotSize, kDotSize);
  tabControl_->AddPage(this);
}

void TTabItem::SetText(const QString& text) {
  TControl::SetText(text);
  setAccessibleName(QString::fromUtf8("Страница %1").arg(text));
}

int TTabItem::Index() const { return tabControl_->IndexOf(this); }

bool TTabItem::IsCurrent() const { return tabControl_->TabIndex() == Index(); }

void TTabItem::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const TStyle& style = PlatformStyle();
  painter.fillRect(rect(), IsCurrent() ? style.currentDot : style.dot);
}

void TTabItem::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  tabControl_->SetTabIndex(Index());
  setFocus(Qt::MouseFocusReason);
}

void TTabItem::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void TTabItem::keyPressEvent(QKeyEvent* event) {
  const bool plain = event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
  if (plain && event->key() == Qt::Key_Left) {
    tabControl_->Previous(TTabTransition::None, TTabTransitionDirection::Normal);
  } else if (plain && event->key() == Qt::Key_Right) {
    tabControl_->Next(TTabTransition::None, TTabTransitionDirection::Normal);
  } else {
    event->ignore();
  }
  if (TTabItem* current = tabControl_->CurrentPage()) current->setFocus(Qt::OtherFocusReason);
}

}  // namespace toolkit
