// Runs widget tests inside the program's own application object, so that events pass
// through the same message loop as in the program.

#include <gtest/gtest.h>

#include "application.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  toolkit::Application->Initialize();
  return RUN_ALL_TESTS();
}
