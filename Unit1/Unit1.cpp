#include "Unit1/Unit1.h"

#include <string>

#include "Unit1/Unit1Definition.h"
#include "deck/deck.h"
#include "toolkit/controls/check_box.h"
#include "toolkit/controls/tab_control.h"
#include "toolkit/controls/text.h"
#include "toolkit/gesture/gesture_template.h"

using gesture::sgiLeft;
using gesture::sgiRight;
using toolkit::TGestureEventInfo;
using toolkit::TObject;
using toolkit::TTabTransition;
using toolkit::TTabTransitionDirection;

TForm1* Form1 = nullptr;

TForm1::TForm1() {
  Publish("FormCreate", toolkit::TNotifyEvent([this](TObject* sender) { FormCreate(sender); }));
  Publish("FormGesture", toolkit::TGestureEvent([this](TObject* sender, const TGestureEventInfo& info,
                                                       bool& handled) { FormGesture(sender, info, handled); }));
  Publish("Button1Click", toolkit::TNotifyEvent([this](TObject* sender) { Button1Click(sender); }));
  Publish("Button2Click", toolkit::TNotifyEvent([this](TObject* sender) { Button2Click(sender); }));
  for (int card = 1; card <= deck::kCardCount; ++card) {
    const int checkBox = deck::NumbersOf(card).checkBox;
    Publish(CheckBoxChangeHandlerName(checkBox),
            toolkit::TNotifyEvent([this, checkBox](TObject*) { CheckBoxChange(checkBox); }));
  }
}

toolkit::ComponentRecord TForm1::Definition() const { return Unit1Definition(); }

toolkit::TTabControl* TForm1::TabControl1() const { return Find<toolkit::TTabControl>("TabControl1"); }

toolkit::TCheckBox* TForm1::CheckBoxNumbered(int checkBox) const {
  return Find<toolkit::TCheckBox>("CheckBox" + std::to_string(checkBox));
}

void TForm1::FormCreate(TObject*) {
  // A screen reader hears a card's answer as its check box's description while it is revealed.
  for (int card = 1; card <= deck::kCardCount; ++card) {
    const int checkBox = deck::NumbersOf(card).checkBox;
    CheckBoxNumbered(checkBox)->SetDescribedBy(Find<toolkit::TText>(AnswerTextNameFor(checkBox)));
  }
  TabControl1()->First(TTabTransition::Slide, TTabTransitionDirection::Normal);
}

void TForm1::FormGesture(TObject*, const TGestureEventInfo& EventInfo, bool&) {
  if (EventInfo.GestureID == sgiLeft) TabControl1()->Next(TTabTransition::Slide, TTabTransitionDirection::Normal);
  if (EventInfo.GestureID == sgiRight) {
    TabControl1()->Previous(TTabTransition::Slide, TTabTransitionDirection::Normal);
  }
}

void TForm1::Button1Click(TObject*) { TabControl1()->First(TTabTransition::Slide, TTabTransitionDirection::Normal); }

void TForm1::Button2Click(TObject*) { TabControl1()->Next(TTabTransition::Slide, TTabTransitionDirection::Normal); }

void TForm1::CheckBoxChange(int checkBox) {
  const auto* box = CheckBoxNumbered(checkBox);
  Find<toolkit::TText>(AnswerTextNameFor(checkBox))->SetVisible(box->IsChecked());
}
