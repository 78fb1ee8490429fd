#pragma once

#include <QSize>
#include <QWidget>

#include "toolkit/platform/platform.h"
#include "toolkit/platform/qt/accessible_tree.h"
#include "toolkit/platform/qt/touch_input.h"

namespace toolkit::platform::qt {

// The one widget of a window. The toolkit draws every control itself, so this widget carries
// the whole control tree: it turns Qt's events for the window into WindowEvents calls.
class WindowWidget final : public QWidget {
 public:
  explicit WindowWidget(WindowEvents& events);

  AccessibleTree& Accessibility() { return accessibility_; }

  // Tells the toolkit the client size, unless it has already been told this size.
  void ReportSize();

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // The toolkit moves the focus among its controls itself, Tab and Shift+Tab included.
  bool focusNextPrevChild(bool) override { return false; }

 private:
  WindowEvents& events_;
  TouchInput touch_;
  AccessibleTree accessibility_;
  QSize reportedSize_;
};

}  // namespace toolkit::platform::qt
