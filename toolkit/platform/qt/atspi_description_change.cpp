#include "toolkit/platform/qt/atspi_description_change.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>

namespace toolkit::platform::qt {
namespace {

// Where Qt's bridge keeps the accessibility bus and its objects.
const QString kBusConnection = QStringLiteral("a11y");
const QString kObjectPathPrefix = QStringLiteral("/org/a11y/atspi/accessible/");

}  // namespace

void SendDescriptionChanged(QAccessibleInterface& interface) {
  QDBusConnection bus(kBusConnection);
  if (!bus.isConnected()) return;
  const QString path = kObjectPathPrefix + QString::number(QAccessible::uniqueId(&interface));
  // Every at-spi event ends with a reference to the application's root object, "(so)".
  QDBusArgument application;
  application.beginStructure();
  application << bus.baseService() << QDBusObjectPath(kObjectPathPrefix + QStringLiteral("root"));
  application.endStructure();
  QDBusMessage signal = QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"),
                                                   QStringLiteral("PropertyChange"));
  signal << QStringLiteral("accessible-description") << 0 << 0
         << QVariant::fromValue(QDBusVariant(interface.text(QAccessible::Description)))
         << QVariant::fromValue(application);
  bus.send(signal);
}

}  // namespace toolkit::platform::qt
