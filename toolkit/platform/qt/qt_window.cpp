#include "toolkit/platform/qt/qt_window.h"

#include "toolkit/platform/qt/window_widget.h"

namespace toolkit::platform::qt {

QtWindow::QtWindow(WindowEvents& events) : widget_(std::make_unique<WindowWidget>(events)) {
  widget_->winId();  // the native window exists from here on, hidden
}

QtWindow::~QtWindow() = default;

QWidget& QtWindow::Widget() { return *widget_; }

void QtWindow::SetCaption(std::string_view caption) {
  widget_->setWindowTitle(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
}

void QtWindow::SetClientSize(int width, int height) {
  // Only the size: a position given here would keep the window system from placing the window.
  widget_->resize(width, height);
  // Qt holds back the resize events of a hidden window until it is shown; the toolkit hears
  // of the new size at once, as it would from a visible window.
  widget_->ReportSize();
}

int QtWindow::ClientWidth() const { return widget_->width(); }

int QtWindow::ClientHeight() const { return widget_->height(); }

void QtWindow::Show() {
  widget_->showNormal();
  widget_->activateWindow();
  widget_->setFocus();
}

bool QtWindow::IsVisible() const { return widget_->isVisible(); }

void QtWindow::Invalidate() { widget_->update(); }

void QtWindow::Update() {
  if (widget_->isVisible()) widget_->repaint();
}

// Qt already sends every move and the release of a pressed button to the widget that took the
// press, wherever the pointer goes; the window has a single widget, so that is always this one.
void QtWindow::SetPointerCapture(bool) {}

void QtWindow::NotifyAccessibility(AccessibleNode& node, AccessibleChange change) {
  widget_->Accessibility().Notify(node, change);
}

}  // namespace toolkit::platform::qt
