#pragma once

#include "control.h"

namespace toolkit {

class TTabControl;

// The container that holds a page's controls, laid over the whole page area. Only the
// current page's container is shown, except while a slide moves two of them.
class TTabItemContent : public QWidget {
  Q_OBJECT

 public:
  explicit TTabItemContent(QWidget* parent);
};

// One page of a tab control. The item itself is the page's dot: an 8 x 8 square drawn
// over the pages, highlighted while its page is current. Its controls live in its content.
class TTabItem : public TControl {
  Q_OBJECT

 public:
  static constexpr int kDotSize = 8;

  // The parent must be a tab control; the page is added after its existing pages.
  explicit TTabItem(QWidget* parent);

  TTabItemContent* Content() const { return content_; }
  QWidget* ChildContainer() override { return content_; }
  // The page's text, its number, is not drawn; the dot is announced as that page.
  void SetText(const QString& text) override;
  int Index() const;
  bool IsCurrent() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  TTabControl* tabControl_;
  TTabItemContent* content_;
};

}  // namespace toolkit
