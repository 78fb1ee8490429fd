#include <gtest/gtest.h>

#include "button.h"
#include "form.h"
#include "panel.h"

using toolkit::ComponentRecord;

namespace {

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

ComponentRecord WithButton(std::vector<std::pair<std::string, QVariant>> buttonProperties) {
  return {"SmallForm", "Form",
          {{"ClientWidth", 300}, {"ClientHeight", 200}},
          {{"TPanel", "Panel1", {{"Align", "Top"}, {"Height", 40}},
            {{"TButton", "Button1", std::move(buttonProperties), {}}}}}};
}

TEST(FormReader, BuildsComponentsInStoredOrderAndBindsHandlersByName) {
  SmallForm form(WithButton({{"Align", "Left"}, {"Width", 80}, {"Text", "OK"}, {"OnClick", "Clicked"}}));
  form.ReadDefinition();
  auto* button = form.Find<toolkit::TButton>("Button1");
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(button->parentWidget(), form.Find<toolkit::TPanel>("Panel1"));
  EXPECT_EQ(button->geometry(), QRect(0, 0, 80, 40)) << "laid out while the window is still hidden";
  EXPECT_EQ(form.Find<toolkit::TPanel>("Panel1")->geometry(), QRect(0, 0, 300, 40));
  button->Click();
  EXPECT_EQ(form.clicks, 1);
}

TEST(FormReader, RejectsWhatItCannotRead) {
  struct Case {
    const char* what;
    ComponentRecord definition;
  };
  const Case cases[] = {
      {"an unknown handler", WithButton({{"OnClick", "Missing"}})},
      {"a handler of the wrong kind", WithButton({{"OnClick", "Gestured"}})},
      {"an unknown event", WithButton({{"OnChange", "Clicked"}})},
      {"an unknown property", WithButton({{"Colour", "red"}})},
      {"an unknown alignment", WithButton({{"Align", "Diagonal"}})},
      {"an unknown class", {"SmallForm", "Form", {}, {{"TSlider", "Slider1", {}, {}}}}},
      {"two components of one name",
       {"SmallForm", "Form", {}, {{"TPanel", "Panel1", {}, {}}, {"TPanel", "Panel1", {}, {}}}}},
      {"a child of a component that holds none",
       {"SmallForm", "Form", {}, {{"TGestureManager", "G", {}, {{"TPanel", "Panel1", {}, {}}}}}}},
      {"an unknown standard gesture", {"SmallForm", "Form", {{"StandardGestures", QStringList{"sgiUp"}}}, {}}},
      {"a missing gesture manager",
       {"SmallForm", "Form", {{"GestureManager", "G"}, {"StandardGestures", QStringList{"sgiLeft"}}}, {}}},
  };
  for (const Case& c : cases) {
    SmallForm form(c.definition);
    EXPECT_THROW(form.ReadDefinition(), std::invalid_argument) << c.what;
  }
}

}  // namespace
