#pragma once

#include <QWidget>
#include <string>

#include "align_objects.h"
#include "component.h"

namespace toolkit {

// The base of every visual control: a widget placed by its alignment within its parent.
// Its own size and position are what the alignment rules start from; whenever the
// container's size or a child's alignment, size or visibility changes, the container
// lays its children out again.
class TControl : public QWidget, public TComponent {
  Q_OBJECT
  Q_PROPERTY(toolkit::TControl::Alignment Align READ Align WRITE SetAlign)
  Q_PROPERTY(int PositionX READ PositionX WRITE SetPositionX)
  Q_PROPERTY(int PositionY READ PositionY WRITE SetPositionY)
  Q_PROPERTY(int Width READ Width WRITE SetWidth)
  Q_PROPERTY(int Height READ Height WRITE SetHeight)
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
  Q_PROPERTY(QString Text READ Text WRITE SetText)
  Q_PROPERTY(int TabOrder READ TabOrder WRITE SetTabOrder)

 public:
  enum class Alignment { None, Top, Left, Client };
  Q_ENUM(Alignment)

  explicit TControl(QWidget* parent);

  Alignment Align() const { return align_; }
  void SetAlign(Alignment align);
  int PositionX() const { return x(); }
  void SetPositionX(int x);
  int PositionY() const { return y(); }
  void SetPositionY(int y);
  int Width() const { return width(); }
  void SetWidth(int width);
  int Height() const { return height(); }
  void SetHeight(int height);
  bool Visible() const { return !isHidden(); }
  void SetVisible(bool visible);
  const QString& Text() const { return text_; }
  virtual void SetText(const QString& text);
  int TabOrder() const { return tabOrder_; }
  void SetTabOrder(int order) { tabOrder_ = order; }

  bool BindEvent(const std::string& event, const THandler& handler) override;
  QWidget* ChildContainer() override { return this; }
  // Lays out what the control holds for its current size.
  virtual void Realign();

 protected:
  // Asks the parent to lay out its children again.
  void RealignParent();

 private:
  Alignment align_ = Alignment::None;
  QString text_;
  int tabOrder_ = 0;
};

// Lays out the controls inside a container by their alignment, and the contents of every
// control whose size that changes. Works on hidden widgets too, which get no resize events.
void AlignChildren(QWidget* container);
// Gives a widget new bounds and lays out its children when its size changed.
void PlaceWidget(QWidget* widget, const QRect& bounds);

}  // namespace toolkit
