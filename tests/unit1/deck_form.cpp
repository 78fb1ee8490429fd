#include "tests/unit1/deck_form.h"

#include <stdexcept>

#include "deck/deck.h"

using toolkit::platform::testing::TestingPlatform;
using toolkit::platform::testing::TestingWindow;

DeckForm::DeckForm()
    : form_(std::make_unique<TForm1>()), window_(TestingPlatform::Current().LatestWindow()) {
  form_->ReadDefinition();
  form_->DoCreate();
  form_->Show();
}

TestingPlatform& DeckForm::Platform() const { return TestingPlatform::Current(); }

toolkit::TTabControl& DeckForm::Tabs() const { return *Named<toolkit::TTabControl>("TabControl1"); }

template <typename T>
T* DeckForm::Named(const std::string& name) const {
  T* component = form_->Find<T>(name);
  if (component == nullptr) throw std::logic_error("the form has no " + name);
  return component;
}

toolkit::TTabItem* DeckForm::Page(int page) const {
  return Named<toolkit::TTabItem>("TabItem" + std::to_string(page));
}

toolkit::TImage* DeckForm::ImageOf(int card) const { return Named<toolkit::TImage>("Image" + std::to_string(card)); }

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

std::vector<int> DeckForm::ShownPages() const {
  std::vector<int> pages;
  for (int page = 1; page <= deck::kPageCount; ++page) {
    if (Page(page)->Content().Visible()) pages.push_back(page);
  }
  return pages;
}

void DeckForm::Click(const toolkit::TControl& control) const {
  Click(control, control.Width() / 2.0, control.Height() / 2.0);
}

void DeckForm::Click(const toolkit::TControl& control, double x, double y) const {
  const toolkit::Rect bounds = control.BoundsInWindow();
  window_.Click(bounds.left + x, bounds.top + y);
}

void DeckForm::ScriptNextSlide(std::vector<double> elapsedTimes, std::function<void()> afterTick) const {
  Platform().ScriptNextTimer(std::move(elapsedTimes), std::move(afterTick));
}
