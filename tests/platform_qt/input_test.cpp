#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QTest>

#include "tests/support/recording_window_events.h"
#include "tests/platform_qt/test_platform.h"

namespace {

using testing::ElementsAre;
using toolkit::platform::TouchPhase;

// A shown window, as input reaches it only then.
class InputTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { touchScreen_ = QTest::createTouchDevice(); }
  static void TearDownTestSuite() { delete touchScreen_; }

  void SetUp() override {
    window_->SetClientSize(200, 150);
    window_->Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget_));
    events_.log.clear();
  }

  static inline QPointingDevice* touchScreen_ = nullptr;
  RecordingWindowEvents events_;
  std::unique_ptr<toolkit::platform::Window> window_ = TestPlatform().CreateWindow(events_);
  QWidget& widget_ = WidgetOf(*window_);
};

TEST_F(InputTest, MouseButtonsReachTheToolkitInClientCoordinates) {
  QWindow* native = widget_.windowHandle();
  QTest::mousePress(native, Qt::LeftButton, {}, QPoint(10, 20));
  QTest::mouseMove(native, QPoint(30, 40));
  QTest::mouseRelease(native, Qt::LeftButton, {}, QPoint(31, 41));
  QTest::mousePress(native, Qt::RightButton, {}, QPoint(5, 6));
  QTest::mouseRelease(native, Qt::RightButton, {}, QPoint(5, 6));
  QTest::mouseClick(native, Qt::BackButton, {}, QPoint(7, 8));
  QTest::mouseClick(native, Qt::MiddleButton, {}, QPoint(7, 8));

  // Qt moves the pointer to each place before it presses or releases there.
  EXPECT_THAT(events_.log, ElementsAre("move 10,20", "press Left 10,20", "move 30,40", "move 31,41",
                                       "release Left 31,41", "move 5,6", "press Right 5,6", "release Right 5,6",
                                       "move 7,8", "press Middle 7,8", "release Middle 7,8"));
}

TEST_F(InputTest, TheSecondPressOfADoubleClickArrivesAsDoubleClick) {
  QTest::mouseDClick(widget_.windowHandle(), Qt::LeftButton, {}, QPoint(50, 60));

  EXPECT_THAT(events_.log, ElementsAre("move 50,60", "press Left 50,60", "release Left 50,60", "double Left 50,60",
                                       "release Left 50,60"));
}

TEST_F(InputTest, APressedButtonKeepsTheStrokeWhenThePointerLeavesTheWindow) {
  window_->SetPointerCapture(true);
  QWindow* native = widget_.windowHandle();
  QTest::mousePress(native, Qt::LeftButton, {}, QPoint(190, 100));
  QTest::mouseMove(native, QPoint(260, 100));
  QTest::mouseRelease(native, Qt::LeftButton, {}, QPoint(300, -20));
  window_->SetPointerCapture(false);

  EXPECT_THAT(events_.log, ElementsAre("move 190,100", "press Left 190,100", "move 260,100", "move 300,-20",
                                       "release Left 300,-20"));
}

// Qt keeps every mouse event from a window that a modal one blocks: the held button's release
// never comes.
TEST_F(InputTest, AModalWindowOpeningOverAPressTakesThePointerAway) {
  QWindow* native = widget_.windowHandle();
  QTest::mousePress(native, Qt::LeftButton, {}, QPoint(10, 20));
  QWidget modal;
  modal.setWindowModality(Qt::ApplicationModal);
  modal.show();
  QTest::mouseRelease(native, Qt::LeftButton, {}, QPoint(10, 20));
  modal.hide();

  // The modal window also takes the activation, and the pointer's place, from this one.
  EXPECT_THAT(events_.log, testing::Contains("capture lost").Times(1));
  EXPECT_THAT(events_.log, testing::Not(testing::Contains(testing::StartsWith("release"))));
}

TEST_F(InputTest, LeavingTheClientAreaIsReported) {
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&widget_, &leave);

  EXPECT_THAT(events_.log, ElementsAre("leave"));
}

struct KeyCase {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  std::vector<std::string> expected;
};

TEST_F(InputTest, KeysArriveWithTheirModifiersAndTypedCharacters) {
  const KeyCase cases[] = {
      {Qt::Key_Tab, Qt::ControlModifier, {"key Tab ctrl"}},
      {Qt::Key_Backtab, Qt::ShiftModifier, {"key Tab shift"}},
      {Qt::Key_Backtab, Qt::NoModifier, {"key Tab shift"}},
      {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier, {"key Tab shift ctrl"}},
      {Qt::Key_Tab, Qt::NoModifier, {"key Tab"}},
      {Qt::Key_Space, Qt::NoModifier, {"key Space", "char U+0020"}},
      {Qt::Key_Space, Qt::ShiftModifier, {"key Space shift", "char U+0020 shift"}},
      {Qt::Key_Return, Qt::NoModifier, {"key Enter"}},
      {Qt::Key_Enter, Qt::KeypadModifier, {"key Enter"}},
      {Qt::Key_Left, Qt::NoModifier, {"key Left"}},
      {Qt::Key_Right, Qt::AltModifier, {"key Right alt"}},
      {Qt::Key_Up, Qt::NoModifier, {"key Up"}},
      {Qt::Key_Down, Qt::NoModifier, {"key Down"}},
      {Qt::Key_Escape, Qt::NoModifier, {"key Escape"}},
      {Qt::Key_A, Qt::NoModifier, {"key Other", "char U+0061"}},
      {Qt::Key_Backspace, Qt::NoModifier, {"key Other"}},
      {Qt::Key_Control, Qt::NoModifier, {}},
      {Qt::Key_Shift, Qt::ShiftModifier, {}},
  };
  for (const KeyCase& keyCase : cases) {
    events_.log.clear();
    QTest::keyClick(&widget_, keyCase.key, keyCase.modifiers);
    EXPECT_EQ(events_.log, keyCase.expected) << QKeySequence(keyCase.key | keyCase.modifiers).toString().toStdString();
  }
}

TEST_F(InputTest, EveryCharacterAKeyTypesArrivesInOrder) {
  QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("жё\x01"));
  QApplication::sendEvent(&widget_, &press);

  EXPECT_THAT(events_.log, ElementsAre("key Other", "char U+0436", "char U+0451"));
}

TEST_F(InputTest, TouchesKeepTheirIdsAndMakeNoMouseEvents) {
  QTest::touchEvent(&widget_, touchScreen_).press(0, QPoint(10, 10));
  QTest::touchEvent(&widget_, touchScreen_).move(0, QPoint(20, 12)).press(1, QPoint(50, 50));
  QTest::touchEvent(&widget_, touchScreen_).release(0, QPoint(30, 14)).stationary(1);
  QTest::touchEvent(&widget_, touchScreen_).move(1, QPoint(60, 55));
  QTest::touchEvent(&widget_, touchScreen_).release(1, QPoint(70, 60));

  ASSERT_EQ(events_.touches.size(), 6u);
  const auto& t = events_.touches;
  const int first = t[0].id;
  const int second = t[2].id;
  EXPECT_NE(first, second);
  const std::vector<std::tuple<TouchPhase, int, double, double>> expected = {
      {TouchPhase::Down, first, 10, 10}, {TouchPhase::Move, first, 20, 12},  {TouchPhase::Down, second, 50, 50},
      {TouchPhase::Up, first, 30, 14},   {TouchPhase::Move, second, 60, 55}, {TouchPhase::Up, second, 70, 60},
  };
  for (size_t i = 0; i < expected.size(); ++i) {
    const auto& [phase, id, x, y] = expected[i];
    EXPECT_EQ(t[i].phase, phase) << "touch " << i;
    EXPECT_EQ(t[i].id, id) << "touch " << i;
    EXPECT_EQ(t[i].position, (toolkit::platform::PointF{x, y})) << "touch " << i;
  }
  QApplication::processEvents();
  EXPECT_THAT(events_.log,
              testing::Each(testing::Not(testing::AnyOf(testing::StartsWith("press"), testing::StartsWith("move"),
                                                        testing::StartsWith("release")))));
}

TEST_F(InputTest, ACancelledTouchEndsEveryPointStillDown) {
  QTest::touchEvent(&widget_, touchScreen_).press(4, QPoint(10, 10));
  QTest::touchEvent(&widget_, touchScreen_).move(4, QPoint(15, 10));
  QTouchEvent cancel(QEvent::TouchCancel, touchScreen_);
  QApplication::sendEvent(&widget_, &cancel);

  ASSERT_EQ(events_.touches.size(), 3u);
  EXPECT_EQ(events_.touches[2].phase, TouchPhase::Cancel);
  EXPECT_EQ(events_.touches[2].id, events_.touches[0].id);
  EXPECT_EQ(events_.touches[2].position, (toolkit::platform::PointF{15, 10}));
}

TEST_F(InputTest, MouseEventsMadeUpFromTouchAreDropped) {
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier, touchScreen_);
  QApplication::sendEvent(&widget_, &press);

  EXPECT_THAT(events_.log, testing::IsEmpty());
}

TEST_F(InputTest, AClosingRequestIsLeftToTheToolkit) {
  EXPECT_FALSE(widget_.close());

  EXPECT_THAT(events_.log, ElementsAre("close"));
  EXPECT_TRUE(window_->IsVisible());
}

}  // namespace
