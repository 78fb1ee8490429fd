#include "control.h"

#include <vector>

namespace toolkit {
namespace {

TAlignLayout ToLayout(TControl::Alignment align) {
  switch (align) {
    case TControl::Alignment::Top: return TAlignLayout::Top;
    case TControl::Alignment::Left: return TAlignLayout::Left;
    case TControl::Alignment::Client: return TAlignLayout::Client;
    case TControl::Alignment::None: break;
  }
  return TAlignLayout::None;
}

}  // namespace

void AlignChildren(QWidget* container) {
  std::vector<TControl*> controls;
  std::vector<AlignItem> items;
  for (QObject* child : container->children()) {
    auto* control = qobject_cast<TControl*>(child);
    if (control == nullptr || control->Align() == TControl::Alignment::None) continue;
    const QRect g = control->geometry();
    controls.push_back(control);
    items.push_back({ToLayout(control->Align()), control->Visible(),
                     {g.left(), g.top(), g.left() + g.width(), g.top() + g.height()}});
  }
  AlignObjects(container->width(), container->height(), items);
  for (size_t i = 0; i < controls.size(); ++i) {
    const Rect& r = items[i].bounds;
    if (items[i].visible) PlaceWidget(controls[i], QRect(r.left, r.top, r.Width(), r.Height()));
  }
}

void PlaceWidget(QWidget* widget, const QRect& bounds) {
  const QSize oldSize = widget->size();
  widget->setGeometry(bounds);
  if (widget->size() == oldSize) return;
  if (auto* control = qobject_cast<TControl*>(widget)) {
    control->Realign();
  } else {
    AlignChildren(widget);
  }
}

TControl::TControl(QWidget* parent) : QWidget(parent) {}

void TControl::SetAlign(Alignment align) {
  align_ = align;
  RealignParent();
}

void TControl::SetPositionX(int x) {
  move(x, y());
  RealignParent();
}

void TControl::SetPositionY(int y) {
  move(x(), y);
  RealignParent();
}

void TControl::SetWidth(int width) {
  PlaceWidget(this, QRect(pos(), QSize(width, height())));
  RealignParent();
}

void TControl::SetHeight(int height) {
  PlaceWidget(this, QRect(pos(), QSize(width(), height)));
  RealignParent();
}

void TControl::Realign() { AlignChildren(this); }

void TControl::SetVisible(bool visible) {
  if (visible == Visible()) return;
  setVisible(visible);
  RealignParent();
}

void TControl::SetText(const QString& text) {
  text_ = text;
  setAccessibleName(text);
  update();
}

bool TControl::BindEvent(const std::string&, const THandler&) { return false; }

void TControl::RealignParent() {
  if (parentWidget() != nullptr) AlignChildren(parentWidget());
}

}  // namespace toolkit
