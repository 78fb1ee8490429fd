#include <gtest/gtest.h>

#include <QAccessible>

#include "deck_form.h"

namespace {

struct Announced {
  QAccessible::Role role;
  QString name;
};

Announced AnnouncedAs(QWidget* control) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
  if (accessible == nullptr) return {QAccessible::NoRole, {}};
  return {accessible->role(), accessible->text(QAccessible::Name)};
}

TEST(Accessibility, EveryControlHasARoleAndAName) {
  DeckForm deck;
  struct Case {
    QWidget* control;
    QAccessible::Role role;
    QString name;
  };
  for (const Case& c : {Case{deck.CheckBoxOf(1), QAccessible::CheckBox, QString::fromUtf8("Правильный ответ")},
                        Case{deck.NextButtonOf(1), QAccessible::Button, QString::fromUtf8("Следующий")},
                        Case{deck.BackToStart(), QAccessible::Button, QString::fromUtf8("В начало")},
                        Case{deck.Page(1), QAccessible::PageTab, QString::fromUtf8("Страница 1")},
                        Case{deck.Page(120), QAccessible::PageTab, QString::fromUtf8("Страница 120")},
                        Case{deck.TextOf(19), QAccessible::StaticText, deck.TextOf(19)->Text()},
                        Case{&deck.Form(), QAccessible::Window, QString::fromUtf8("Тарвель. Zaze")}}) {
    const Announced announced = AnnouncedAs(c.control);
    EXPECT_EQ(announced.role, c.role) << c.control->objectName().toStdString();
    EXPECT_EQ(announced.name, c.name) << c.control->objectName().toStdString();
  }
}

TEST(Accessibility, TheAnswerIsAnnouncedOnlyWhileShownAndTheBoxReportsItsState) {
  DeckForm deck;
  QAccessibleInterface* text = QAccessible::queryAccessibleInterface(deck.TextOf(1));
  QAccessibleInterface* box = QAccessible::queryAccessibleInterface(deck.CheckBoxOf(1));
  ASSERT_NE(text, nullptr);
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(text->state().invisible);
  EXPECT_TRUE(box->state().checkable);
  EXPECT_FALSE(box->state().checked);
  deck.CheckBoxOf(1)->SetIsChecked(true);
  EXPECT_FALSE(text->state().invisible);
  EXPECT_TRUE(box->state().checked);
}

}  // namespace
