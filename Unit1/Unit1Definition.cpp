#include "Unit1Definition.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <span>
#include <stdexcept>

#include "deck.h"
#include "deck/pictures/card_pictures.h"

using toolkit::ComponentRecord;

namespace {

constexpr int kPictureHeight = 249;
constexpr int kStripHeight = 24;
constexpr int kCheckBoxWidth = 137;
constexpr int kNextButtonWidth = 80;
constexpr int kEndPanelHeight = 56;
constexpr int kEndButtonWidth = 80;
constexpr int kStoredTabIndex = 98;

// Pages whose control strip was stored before their answer area.
bool StripComesFirst(int card) { return card == 22 || card == 34 || card == 80 || card == 94; }

// The picture's bytes stay where the program carries them.
QVariant Png(std::span<const std::uint8_t> png) {
  return QByteArray::fromRawData(reinterpret_cast<const char*>(png.data()), static_cast<qsizetype>(png.size()));
}

QVariant Utf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

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
                          {{"Align", "Top"},
                           {"Height", kPictureHeight},
                           {"Picture", Png(deck::CardPicturePng(card))}},
                          {}};
  ComponentRecord answerArea{"TPanel", Numbered("Panel", 2 * card - 1),
                             {{"Align", "Client"}},
                             {{"TText", Numbered("Text", numbers.text),
                               {{"Align", "Client"}, {"Text", Utf8(deck::AnswerText(card))}, {"Visible", false}},
                               {}}}};
  ComponentRecord strip{"TPanel", Numbered("Panel", 2 * card),
                        {{"Align", "Top"}, {"PositionY", kPictureHeight}, {"Height", kStripHeight}},
                        {{"TCheckBox", Numbered("CheckBox", numbers.checkBox),
                          {{"Align", "Left"},
                           {"Width", kCheckBoxWidth},
                           {"Height", kStripHeight},
                           {"Text", Utf8(deck::kRevealCaption)},
                           {"OnChange", QString::fromStdString(CheckBoxChangeHandlerName(numbers.checkBox))}},
                          {}},
                         {"TButton", Numbered("Button", numbers.nextButton),
                          {{"Align", "Left"},
                           {"PositionX", kCheckBoxWidth},
                           {"Width", kNextButtonWidth},
                           {"Height", kStripHeight},
                           {"Text", Utf8(deck::kNextCaption)},
                           {"OnClick", "Button2Click"}},
                          {}}}};
  ComponentRecord page{"TTabItem", Numbered("TabItem", card), {{"Text", QString::number(card)}}, {}};
  page.children.push_back(std::move(picture));
  if (StripComesFirst(card)) page.children.push_back(strip);
  page.children.push_back(std::move(answerArea));
  if (!StripComesFirst(card)) page.children.push_back(std::move(strip));
  return page;
}

ComponentRecord EndPage() {
  return {"TTabItem", Numbered("TabItem", deck::kPageCount),
          {{"Text", QString::number(deck::kPageCount)}},
          {{"TPanel", Numbered("Panel", 2 * deck::kCardCount + 1),
            {{"Align", "Top"}, {"Height", kEndPanelHeight}},
            {{"TButton", "Button1",
              {{"Align", "Left"},
               {"Width", kEndButtonWidth},
               {"Height", kEndPanelHeight},
               {"Text", Utf8(deck::kBackToStartCaption)},
               {"OnClick", "Button1Click"}},
              {}}}}}};
}

}  // namespace

std::string CheckBoxChangeHandlerName(int checkBox) { return Numbered("CheckBox", checkBox) + "Change"; }

std::string AnswerTextNameFor(int checkBox) { return Numbered("Text", deck::NumbersOf(CardOfCheckBox(checkBox)).text); }

ComponentRecord Unit1Definition() {
  ComponentRecord tabControl{"TTabControl", "TabControl1",
                             {{"Align", "Client"}, {"TabIndex", kStoredTabIndex}, {"TabPosition", "Dots"}},
                             {}};
  for (int card = 1; card <= deck::kCardCount; ++card) tabControl.children.push_back(CardPage(card));
  tabControl.children.push_back(EndPage());

  return {"TForm1", "Form1",
          {{"Caption", Utf8("Тарвель. Zaze")},
           {"ClientHeight", 480},
           {"ClientWidth", 663},
           {"OnCreate", "FormCreate"},
           {"OnGesture", "FormGesture"},
           {"GestureManager", "GestureManager1"},
           {"StandardGestures", QStringList{"sgiLeft", "sgiRight"}}},
          {std::move(tabControl),
           {"TGestureManager", "GestureManager1", {{"Sensitivity", 80.0}}, {}}}};
}
