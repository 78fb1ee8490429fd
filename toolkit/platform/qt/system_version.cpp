#include "toolkit/platform/qt/system_version.h"

#include <QOperatingSystemVersion>

namespace toolkit::platform::qt {

// Qt asks Windows for its true version, not the one it reports to programs it takes for old.
SystemVersion CurrentSystemVersion() {
  const QOperatingSystemVersion system = QOperatingSystemVersion::current();
  return {system.type() == QOperatingSystemVersion::Windows, system.majorVersion(), system.minorVersion()};
}

}  // namespace toolkit::platform::qt
