#pragma once

namespace toolkit {

// Makes the toolkit's component classes creatable by name from form definitions.
void RegisterStandardClasses();

}  // namespace toolkit
