#pragma once

#include <string>

namespace e2e {

enum class VisualThemes { On, Off };

// The Windows version that Wine reports to programs ("win7", "win8",
// "win10"), the display's dots per inch (96 is 100 %, 144 is 150 %) and
// whether visual themes are on, for every program started afterwards. Set
// through the command that LUMIVOR_WINDOWS_SETTINGS names,
// scripts/wine-prefix.sh, in the Wine prefix the tests run in.
void useWindowsSettings(const std::string& version, int dotsPerInch,
                        VisualThemes themes = VisualThemes::On);

}  // namespace e2e
