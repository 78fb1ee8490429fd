#include "deck_form.h"

#include <QApplication>
#include <QTest>
#include <stdexcept>

#include "deck.h"

DeckForm::DeckForm(std::unique_ptr<SteppedClock> startUpClock) : form_(std::make_unique<TForm1>()) {
  form_->ReadDefinition();
  UseClock(std::move(startUpClock));
  form_->DoCreate();
  form_->show();
  QApplication::setActiveWindow(form_.get());
  QApplication::processEvents();
}

toolkit::TTabControl& DeckForm::Tabs() const { return *Named<toolkit::TTabControl>("TabControl1"); }

void DeckForm::UseClock(std::unique_ptr<SteppedClock> clock) { Tabs().SetAnimationClock(std::move(clock)); }

template <typename T>
T* DeckForm::Named(const std::string& name) const {
  T* component = form_->Find<T>(name);
  if (component == nullptr) throw std::logic_error("the form has no " + name);
  return component;
}

toolkit::TTabItem* DeckForm::Page(int page) const {
  return Named<toolkit::TTabItem>("TabItem" + std::to_string(page));
}

toolkit::TImage* DeckForm::ImageOf(int card) const {
  return Named<toolkit::TImage>("Image" + std::to_string(card));
}

toolkit::TText* DeckForm::TextOf(int card) const {
  return Named<toolkit::TText>("Text" + std::to_string(deck::NumbersOf(card).text));
}

toolkit::TCheckBox* DeckForm::CheckBoxOf(int card) const {
  return Named<toolkit::TCheckBox>("CheckBox" + std::to_string(deck::NumbersOf(card).checkBox));
}

toolkit::TButton* DeckForm::NextButtonOf(int card) const {
  return Named<toolkit::TButton>("Button" + std::to_string(deck::NumbersOf(card).nextButton));
}

toolkit::TButton* DeckForm::BackToStart() const { return Named<toolkit::TButton>("Button1"); }

QRect DeckForm::InWindow(const QWidget* control) const {
  return QRect(control->mapTo(form_.get(), QPoint(0, 0)), control->size());
}

void DeckForm::PressKey(int key, Qt::KeyboardModifiers modifiers) {
  QWidget* target = QApplication::focusWidget();
  QTest::keyClick(target != nullptr ? target : form_.get(), static_cast<Qt::Key>(key), modifiers);
}

void DeckForm::Resize(int width, int height) {
  form_->resize(width, height);
  QApplication::processEvents();
}
