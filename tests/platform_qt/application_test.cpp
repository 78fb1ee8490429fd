#include <gtest/gtest.h>

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "tests/platform_qt/main_icon_fixture.h"
#include "tests/platform_qt/test_platform.h"

namespace {

TEST(ApplicationTest, TheScalingAskedForByTheEnvironmentIsSwitchedOff) {
  EXPECT_FALSE(qEnvironmentVariableIsSet("QT_SCALE_FACTOR"));
  EXPECT_FALSE(qEnvironmentVariableIsSet("QT_SCREEN_SCALE_FACTORS"));
  EXPECT_EQ(qgetenv("QT_ENABLE_HIGHDPI_SCALING"), "0");
  EXPECT_EQ(QGuiApplication::primaryScreen()->devicePixelRatio(), 1.0);
}

TEST(ApplicationTest, TextIsSegoeUiOrOpenSansAtTwelvePixels) {
  const QFont font = QApplication::font();
  const QString family = QFontDatabase::hasFamily("Segoe UI") ? "Segoe UI" : "Open Sans";
  EXPECT_EQ(font.family(), family);
  EXPECT_EQ(QFontInfo(font).family(), family) << "the font is really there";
  EXPECT_EQ(QFontInfo(font).pixelSize(), 12);
  EXPECT_TRUE(font.styleStrategy() & QFont::PreferAntialias);
}

TEST(ApplicationTest, WindowsCarryTheProgramIcon) {
  const QIcon icon = QApplication::windowIcon();
  ASSERT_FALSE(icon.isNull());
  const QImage image = icon.pixmap(kFixtureIconSize).toImage();
  EXPECT_EQ(image.size(), QSize(kFixtureIconSize, kFixtureIconSize));
  EXPECT_EQ(image.pixel(kFixtureIconSize / 2, kFixtureIconSize / 2), kFixtureIconColor);
}

TEST(ApplicationTest, ClosingTheLastWindowDoesNotEndTheProgram) {
  EXPECT_FALSE(QApplication::quitOnLastWindowClosed());
}

TEST(ApplicationTest, TheSystemVersionSaysWhetherThisIsWindows) {
  const toolkit::platform::SystemVersion version = TestPlatform().Version();
#ifdef Q_OS_WIN
  EXPECT_TRUE(version.windows);
  EXPECT_GE(version.major, 6);
#else
  EXPECT_FALSE(version.windows);
#endif
}

TEST(ApplicationTest, AnErrorIsShownInAModalBoxUntilItIsClosed) {
  QString shownText;
  QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
  QMessageBox::StandardButtons shownButtons;
  bool wasModal = false;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* box = qobject_cast<QMessageBox*>(window);
      if (box == nullptr || !box->isVisible()) continue;
      shownText = box->text();
      shownIcon = box->icon();
      shownButtons = box->standardButtons();
      wasModal = QApplication::activeModalWidget() == box;
      box->button(QMessageBox::Ok)->click();
    }
  });
  poll.start(10);

  TestPlatform().ShowError("Ошибка: нет страницы");

  EXPECT_EQ(shownText, QString::fromUtf8("Ошибка: нет страницы"));
  EXPECT_EQ(shownIcon, QMessageBox::Critical);
  EXPECT_EQ(shownButtons, QMessageBox::Ok);
  EXPECT_TRUE(wasModal);
}

}  // namespace
