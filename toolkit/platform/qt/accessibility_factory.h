#pragma once

namespace toolkit::platform::qt {

// Makes Qt describe each window widget by the toolkit's accessibility tree. Once per process.
void InstallWindowAccessibility();

}  // namespace toolkit::platform::qt
