#include <gtest/gtest.h>

#include <QCoreApplication>

#include "tests/platform_qt/test_platform.h"

namespace {

// The loop's other cases are every backend's (tests/support/platform_loop_cases.cpp).
TEST(MessageLoopTest, PendingMessagesAreDispatchedWithoutWaitingForMore) {
  bool handled = false;
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [&] { handled = true; }, Qt::QueuedConnection);

  TestPlatform().ProcessPendingMessages();
  EXPECT_TRUE(handled);
  TestPlatform().ProcessPendingMessages();  // nothing left: returns rather than waits
}

}  // namespace
