#pragma once

namespace toolkit {

// Lets a screen reader announce every control by its role and name: captions for the check
// boxes and buttons, the answer text while it is shown, "Страница N" for each page dot.
void InstallAccessibility();

}  // namespace toolkit
