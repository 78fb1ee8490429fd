// Runs behaviour tests inside the program's own application object on the testing platform:
// no display, and time that moves only when the toolkit processes messages.

#include <gtest/gtest.h>

#include "toolkit/app/application.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  toolkit::Application->Initialize();
  return RUN_ALL_TESTS();
}
