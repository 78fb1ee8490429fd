#include "Unit1/Unit1Definition.h"

#include <stdexcept>

#include "deck/deck.h"
#include "deck/pictures/card_pictures.h"

using toolkit::ComponentRecord;
using toolkit::TValue;

namespace {

constexpr int kPictureHeight = 249;
constexpr int kStripHeight = 24;
constexpr int kCheckBoxWidth = 137;
constexpr int kNextButtonWidth = 80;
constexpr int kEndPanelHeight = 56;
constexpr int kEndButtonWidth = 80;
// The page that was current when the deck was last edited; start-up slides back to the first.
constexpr int kStoredTabIndex = 98;

// Pages whose control strip was stored before their answer area.
bool StripComesFirst(int card) { return card == 22 || card == 34 || card == 80 || card == 94; }

TValue Ident(const char* identifier) { return std::string(identifier); }
TValue Utf8(std::string_view text) { return std::string(text); }

std::string Numbered(const char* kind, int number) { return kind + std::to_string(number); }

int CardOfCheckBox(int checkBox) {
  for (int card = 1; card <= deck::kCardCount; ++card) {
    if (deck::NumbersOf(card).checkBox == checkBox) return card;
  }
  throw std::out_of_range("no check box " + std::to_string(checkBox));
}

ComponentRecord CardPage(int card) {
  const deck::ControlNumbers numbers = deck::NumbersOf(card);
  ComponentRecord picture{"TImage", Numbered("Image", card),
                          {{"Align", Ident("Top")},
                           {"Height", kPictureHeight},
                           {"Bitmap", deck::CardPicturePng(card)}},
                          {}};
  ComponentRecord answerArea{"TPanel", Numbered("Panel", 2 * card - 1),
                             {{"Align", Ident("Client")}},
                             {{"TText", Numbered("Text", numbers.text),
                               {{"Align", Ident("Client")}, {"Text", Utf8(deck::AnswerText(card))}, {"Visible", false}},
                               {}}}};
  ComponentRecord strip{"TPanel", Numbered("Panel", 2 * card),
                        {{"Align", Ident("Top")}, {"Position.Y", kPictureHeight}, {"Height", kStripHeight}},
                        {{"TCheckBox", Numbered("CheckBox", numbers.checkBox),
                          {{"Align", Ident("Left")},
                           {"Width", kCheckBoxWidth},
                           {"Height", kStripHeight},
                           {"Text", Utf8(deck::kRevealCaption)},
                           {"OnChange", CheckBoxChangeHandlerName(numbers.checkBox)}},
                          {}},
                         {"TButton", Numbered("Button", numbers.nextButton),
                          {{"Align", Ident("Left")},
                           {"Position.X", kCheckBoxWidth},
                           {"Width", kNextButtonWidth},
                           {"Height", kStripHeight},
                           {"Text", Utf8(deck::kNextCaption)},
                           {"OnClick", Ident("Button2Click")}},
                          {}}}};
  ComponentRecord page{"TTabItem", Numbered("TabItem", card), {{"Text", std::to_string(card)}}, {}};
  page.children.push_back(std::move(picture));
  if (StripComesFirst(card)) page.children.push_back(strip);
  page.children.push_back(std::move(answerArea));
  if (!StripComesFirst(card)) page.children.push_back(std::move(strip));
  return page;
}

ComponentRecord EndPage() {
  return {"TTabItem", Numbered("TabItem", deck::kPageCount),
          {{"Text", std::to_string(deck::kPageCount)}},
          {{"TPanel", Numbered("Panel", 2 * deck::kCardCount + 1),
            {{"Align", Ident("Top")}, {"Height", kEndPanelHeight}},
            {{"TButton", "Button1",
              {{"Align", Ident("Left")},
               {"Width", kEndButtonWidth},
               {"Height", kEndPanelHeight},
               {"Text", Utf8(deck::kBackToStartCaption)},
               {"OnClick", Ident("Button1Click")}},
              {}}}}}};
}

}  // namespace

std::string CheckBoxChangeHandlerName(int checkBox) { return Numbered("CheckBox", checkBox) + "Change"; }

std::string AnswerTextNameFor(int checkBox) { return Numbered("Text", deck::NumbersOf(CardOfCheckBox(checkBox)).text); }

ComponentRecord Unit1Definition() {
  ComponentRecord tabControl{"TTabControl", "TabControl1",
                             {{"Align", Ident("Client")}, {"TabIndex", kStoredTabIndex}, {"TabPosition", Ident("Dots")}},
                             {}};
  for (int card = 1; card <= deck::kCardCount; ++card) tabControl.children.push_back(CardPage(card));
  tabControl.children.push_back(EndPage());

  return {"TForm1", "Form1",
          {{"Left", 0},
           {"Top", 0},
           {"Position", Ident("DefaultPosOnly")},
           {"BorderStyle", Ident("Sizeable")},
           {"BorderIcons", std::vector<std::string>{"biSystemMenu", "biMinimize", "biMaximize"}},
           {"WindowState", Ident("wsNormal")},
           {"Caption", Utf8("Тарвель. Zaze")},
           {"ClientHeight", 480},
           {"ClientWidth", 663},
           {"Touch.GestureManager", Ident("GestureManager1")},
           {"Touch.StandardGestures", std::vector<std::string>{"sgiLeft", "sgiRight"}},
           {"OnCreate", Ident("FormCreate")},
           {"OnGesture", Ident("FormGesture")}},
          {std::move(tabControl),
           {"TGestureManager", "GestureManager1", {{"Sensitivity", 80.0}}, {}}}};
}
