#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>

#include "tests/support/recording_window_events.h"
#include "tests/platform_qt/test_platform.h"

namespace {

using testing::Contains;
using testing::ElementsAre;

class WindowTest : public testing::Test {
 protected:
  RecordingWindowEvents events_;
  std::unique_ptr<toolkit::platform::Window> window_ = TestPlatform().CreateWindow(events_);
  QWidget& widget_ = WidgetOf(*window_);
};

TEST_F(WindowTest, IsMadeHiddenWithItsNativeWindowAlready) {
  EXPECT_FALSE(window_->IsVisible());
  EXPECT_FALSE(widget_.isVisible());
  EXPECT_TRUE(widget_.isWindow());
  EXPECT_NE(widget_.internalWinId(), 0u);
  EXPECT_EQ(events_.paints, 0);
}

TEST_F(WindowTest, TakesTheClientSizeExactlyAndReportsItOnce) {
  window_->SetCaption("Тарвель. Zaze");
  window_->SetClientSize(663, 480);

  EXPECT_EQ(window_->ClientWidth(), 663);
  EXPECT_EQ(window_->ClientHeight(), 480);
  EXPECT_THAT(events_.log, ElementsAre("resize 663x480")) << "told at once, though hidden";

  window_->Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget_));
  EXPECT_EQ(widget_.size(), QSize(663, 480));
  EXPECT_EQ(window_->ClientWidth(), 663);
  EXPECT_EQ(window_->ClientHeight(), 480);
  EXPECT_EQ(std::count(events_.log.begin(), events_.log.end(), "resize 663x480"), 1);
  EXPECT_EQ(widget_.windowTitle(), QString::fromUtf8("Тарвель. Zaze"));
}

TEST_F(WindowTest, LeavesItsPlaceToTheWindowSystem) {
  window_->SetClientSize(663, 480);
  window_->SetClientSize(640, 400);
  window_->Show();

  EXPECT_FALSE(widget_.testAttribute(Qt::WA_Moved)) << "no position was ever asked for";
  EXPECT_EQ(widget_.windowState(), Qt::WindowNoState);
}

TEST_F(WindowTest, ShowingItMakesItTheActiveWindowWithTheKeyboard) {
  window_->Show();

  ASSERT_TRUE(QTest::qWaitForWindowActive(&widget_));
  EXPECT_TRUE(window_->IsVisible());
  EXPECT_THAT(events_.log, Contains("active"));
  EXPECT_EQ(QApplication::focusWidget(), &widget_);

  RecordingWindowEvents otherEvents;
  const auto other = TestPlatform().CreateWindow(otherEvents);
  other->Show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&WidgetOf(*other)));
  EXPECT_EQ(events_.log.back(), "inactive");
}

TEST_F(WindowTest, DrawsOnePixelPerLayoutUnitWhateverTheEnvironmentSays) {
  window_->SetClientSize(100, 50);
  window_->Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget_));

  EXPECT_EQ(widget_.devicePixelRatioF(), 1.0);
  EXPECT_EQ(widget_.windowHandle()->devicePixelRatio(), 1.0);
  EXPECT_EQ(widget_.grab().size(), QSize(100, 50));
}

TEST_F(WindowTest, UpdatePaintsAtOnceAndInvalidateSoon) {
  window_->SetClientSize(100, 50);
  window_->Update();
  EXPECT_EQ(events_.paints, 0) << "a hidden window paints nothing";

  window_->Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget_));
  TestPlatform().ProcessPendingMessages();
  const int shown = events_.paints;
  ASSERT_GT(shown, 0);

  window_->Update();
  EXPECT_EQ(events_.paints, shown + 1);

  window_->Invalidate();
  EXPECT_EQ(events_.paints, shown + 1);
  EXPECT_TRUE(QTest::qWaitFor([&] { return events_.paints == shown + 2; }));
}

}  // namespace
