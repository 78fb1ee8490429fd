#include "accessibility.h"

#include <QAccessibleWidget>

#include "button.h"
#include "check_box.h"
#include "form.h"
#include "image.h"
#include "panel.h"
#include "tab_control.h"
#include "tab_item.h"
#include "text.h"

namespace toolkit {
namespace {

class CheckBoxAccessible : public QAccessibleWidget {
 public:
  explicit CheckBoxAccessible(TCheckBox* box) : QAccessibleWidget(box, QAccessible::CheckBox) {}

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.checkable = true;
    state.checked = static_cast<TCheckBox*>(widget())->IsChecked();
    return state;
  }
};

QAccessible::Role RoleOf(QObject* object) {
  if (qobject_cast<TButton*>(object)) return QAccessible::Button;
  if (qobject_cast<TTabItem*>(object)) return QAccessible::PageTab;
  if (qobject_cast<TText*>(object)) return QAccessible::StaticText;
  if (qobject_cast<TImage*>(object)) return QAccessible::Graphic;
  if (qobject_cast<TPanel*>(object)) return QAccessible::Pane;
  if (qobject_cast<TTabControl*>(object)) return QAccessible::PageTabList;
  if (qobject_cast<TForm*>(object)) return QAccessible::Window;
  return QAccessible::NoRole;
}

QAccessibleInterface* Interface(const QString&, QObject* object) {
  if (auto* box = qobject_cast<TCheckBox*>(object)) return new CheckBoxAccessible(box);
  const QAccessible::Role role = RoleOf(object);
  if (role == QAccessible::NoRole) return nullptr;
  return new QAccessibleWidget(static_cast<QWidget*>(object), role);
}

}  // namespace

void InstallAccessibility() { QAccessible::installFactory(Interface); }

}  // namespace toolkit
