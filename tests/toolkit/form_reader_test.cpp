#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/app/form.h"
#include "toolkit/controls/button.h"
#include "toolkit/controls/panel.h"

using toolkit::ComponentRecord;
using toolkit::TValue;

namespace {

using Properties = std::vector<std::pair<std::string, TValue>>;
using Identifiers = std::vector<std::string>;

// A form whose definition a test writes.
class SmallForm : public toolkit::TForm {
 public:
  explicit SmallForm(ComponentRecord definition) : definition_(std::move(definition)) {
    Publish("Clicked", toolkit::TNotifyEvent([this](toolkit::TObject*) { ++clicks; }));
    Publish("Gestured", toolkit::TGestureEvent([](toolkit::TObject*, const toolkit::TGestureEventInfo&, bool&) {}));
  }
  int clicks = 0;

 protected:
  ComponentRecord Definition() const override { return definition_; }

 private:
  ComponentRecord definition_;
};

ComponentRecord WithButton(Properties buttonProperties) {
  return {"SmallForm", "Form",
          {{"ClientWidth", 300}, {"ClientHeight", 200}},
          {{"TPanel", "Panel1", {{"Align", std::string("Top")}, {"Height", 40}},
            {{"TButton", "Button1", std::move(buttonProperties), {}}}}}};
}

ComponentRecord FormWith(Properties formProperties) { return {"SmallForm", "Form", std::move(formProperties), {}}; }

TEST(FormReader, BuildsComponentsInStoredOrderAndBindsHandlersByName) {
  SmallForm form(WithButton({{"Align", std::string("Left")},
                             {"Width", 80},
                             {"Text", std::string("OK")},
                             {"OnClick", std::string("Clicked")}}));
  form.ReadDefinition();
  auto* button = form.Find<toolkit::TButton>("Button1");
  auto* panel = form.Find<toolkit::TPanel>("Panel1");
  ASSERT_NE(button, nullptr);
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(button->Parent(), panel);
  EXPECT_EQ(button->Text(), "OK");
  EXPECT_FALSE(form.NativeWindow().IsVisible());
  EXPECT_EQ(button->BoundsInWindow(), (toolkit::Rect{0, 0, 80, 40})) << "laid out while the window is still hidden";
  EXPECT_EQ(panel->BoundsInWindow(), (toolkit::Rect{0, 0, 300, 40}));
  EXPECT_EQ(form.NativeWindow().ClientWidth(), 300);
  EXPECT_EQ(form.NativeWindow().ClientHeight(), 200);
  button->Click();
  EXPECT_EQ(form.clicks, 1);
}

TEST(FormReader, AcceptsTheWindowFrameOfEveryForm) {
  SmallForm form(FormWith({{"Left", 0},
                           {"Top", 0},
                           {"Position", std::string("DefaultPosOnly")},
                           {"BorderStyle", std::string("Sizeable")},
                           {"BorderIcons", Identifiers{"biSystemMenu", "biMinimize", "biMaximize"}},
                           {"WindowState", std::string("wsNormal")},
                           {"Caption", std::string("Окно")}}));
  EXPECT_NO_THROW(form.ReadDefinition());
  EXPECT_EQ(form.Caption(), "Окно");
}

TEST(FormReader, RejectsWhatItCannotRead) {
  struct Case {
    const char* what;
    ComponentRecord definition;
  };
  const Case cases[] = {
      {"an unknown handler", WithButton({{"OnClick", std::string("Missing")}})},
      {"a handler of the wrong kind", WithButton({{"OnClick", std::string("Gestured")}})},
      {"an unknown event", WithButton({{"OnChange", std::string("Clicked")}})},
      {"an unknown property", WithButton({{"Colour", std::string("red")}})},
      {"a value of the wrong kind", WithButton({{"Width", std::string("wide")}})},
      {"an unknown alignment", WithButton({{"Align", std::string("Diagonal")}})},
      {"an unknown class", {"SmallForm", "Form", {}, {{"TSlider", "Slider1", {}, {}}}}},
      {"two components of one name",
       {"SmallForm", "Form", {}, {{"TPanel", "Panel1", {}, {}}, {"TPanel", "Panel1", {}, {}}}}},
      {"a child of a component that holds none",
       {"SmallForm", "Form", {}, {{"TGestureManager", "G", {}, {{"TPanel", "Panel1", {}, {}}}}}}},
      {"an unknown standard gesture", FormWith({{"Touch.StandardGestures", Identifiers{"sgiUp"}}})},
      {"a missing gesture manager",
       FormWith({{"Touch.GestureManager", std::string("G")}, {"Touch.StandardGestures", Identifiers{"sgiLeft"}}})},
      // The frame and state of the window are fixed; a definition asking for others is refused.
      {"a centred position", FormWith({{"Position", std::string("ScreenCenter")}})},
      {"a fixed frame", FormWith({{"BorderStyle", std::string("Single")}})},
      {"no frame", FormWith({{"BorderStyle", std::string("None")}})},
      {"fewer border icons", FormWith({{"BorderIcons", Identifiers{"biSystemMenu"}}})},
      {"a maximised window", FormWith({{"WindowState", std::string("wsMaximized")}})},
      {"a position that is no number", FormWith({{"Left", std::string("left")}})},
  };
  for (const Case& c : cases) {
    SmallForm form(c.definition);
    EXPECT_THROW(form.ReadDefinition(), std::invalid_argument) << c.what;
  }
}

}  // namespace
