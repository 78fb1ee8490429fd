#include "toolkit/platform/qt/accessibility_factory.h"

#include <QAccessible>

#include "toolkit/platform/qt/window_widget.h"

namespace toolkit::platform::qt {
namespace {

QAccessibleInterface* WindowInterface(const QString&, QObject* object) {
  auto* window = dynamic_cast<WindowWidget*>(object);
  return window != nullptr ? window->Accessibility().MakeWindowInterface() : nullptr;
}

}  // namespace

void InstallWindowAccessibility() { QAccessible::installFactory(WindowInterface); }

}  // namespace toolkit::platform::qt
