#include "tests/windows/windows_settings.h"

#include "tests/e2e/process.h"

#include <cstdlib>
#include <stdexcept>

namespace e2e {

void useWindowsSettings(const std::string& version, int dotsPerInch, VisualThemes themes) {
  const char* command = std::getenv("LUMIVOR_WINDOWS_SETTINGS");
  if (command == nullptr || *command == '\0')
    throw std::runtime_error("LUMIVOR_WINDOWS_SETTINGS must name scripts/wine-prefix.sh");
  runChecked({command, "--windows-version", version, "--dpi", std::to_string(dotsPerInch),
              "--themes", themes == VisualThemes::On ? "on" : "off"});
}

}  // namespace e2e
