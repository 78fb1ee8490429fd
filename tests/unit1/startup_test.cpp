#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "Unit1/Unit1.h"
#include "toolkit/app/application.h"
#include "toolkit/controls/tab_control.h"
#include "toolkit/platform/testing/testing_platform.h"

using toolkit::platform::testing::TestingPlatform;

namespace {

// The main form with its stored definition in reach.
class StoredForm1 : public TForm1 {
 public:
  using TForm1::Definition;
};

TEST(StoredDefinition, SetsTheWindowFrameBeforeItsCaptionAndSize) {
  const toolkit::ComponentRecord definition = StoredForm1().Definition();
  std::vector<std::string> order;
  for (const auto& [property, value] : definition.properties) order.push_back(property);
  const auto at = [&](const std::string& property) {
    const auto found = std::find(order.begin(), order.end(), property);
    EXPECT_NE(found, order.end()) << property;
    return found - order.begin();
  };
  for (const char* frame : {"Left", "Top", "Position", "BorderStyle", "BorderIcons", "WindowState"}) {
    for (const char* later : {"Caption", "ClientHeight", "ClientWidth"}) {
      EXPECT_LT(at(frame), at(later)) << frame << " is read before " << later;
    }
  }
  EXPECT_LT(at("ClientHeight"), at("ClientWidth"));

  const auto valueOf = [&](const std::string& property) -> const toolkit::TValue& {
    return std::find_if(definition.properties.begin(), definition.properties.end(),
                        [&](const auto& stored) { return stored.first == property; })
        ->second;
  };
  using Identifiers = std::vector<std::string>;
  EXPECT_EQ(toolkit::ValueAs<int>(valueOf("Left"), "Left"), 0);
  EXPECT_EQ(toolkit::ValueAs<int>(valueOf("Top"), "Top"), 0);
  EXPECT_EQ(toolkit::ValueAs<std::string>(valueOf("Position"), "Position"), "DefaultPosOnly");
  EXPECT_EQ(toolkit::ValueAs<std::string>(valueOf("BorderStyle"), "BorderStyle"), "Sizeable");
  EXPECT_EQ(toolkit::ValueAs<Identifiers>(valueOf("BorderIcons"), "BorderIcons"),
            (Identifiers{"biSystemMenu", "biMinimize", "biMaximize"}));
  EXPECT_EQ(toolkit::ValueAs<std::string>(valueOf("WindowState"), "WindowState"), "wsNormal");
}

TEST(Application, RunsTheMainFormOnCard1UntilItsWindowIsClosed) {
  TestingPlatform& platform = TestingPlatform::Current();
  TForm1* form = nullptr;
  toolkit::Application->CreateForm(form);
  EXPECT_EQ(form, nullptr) << "the form is only recorded";

  bool shownWhileBuilding = false;
  int pageWhenClosed = -1;
  std::function<void()> closeOnceShown = [&] {
    auto& window = platform.LatestWindow();
    if (!window.IsVisible()) {
      // Still building: the start-up slide processes messages with the window hidden.
      shownWhileBuilding |= window.IsVisible();
      platform.Post(closeOnceShown);
      return;
    }
    pageWhenClosed = form->Find<toolkit::TTabControl>("TabControl1")->TabIndex() + 1;
    window.RequestClose();
  };
  platform.Post(closeOnceShown);
  // The testing loop returns only when told to quit; the platform ends with the run.
  EXPECT_EQ(toolkit::Application->Run(), 0);
  EXPECT_FALSE(shownWhileBuilding);
  EXPECT_EQ(pageWhenClosed, 1);
  EXPECT_EQ(toolkit::Application->MainForm(), nullptr) << "the forms end with the run";
  EXPECT_THROW(toolkit::Application->Services(), std::logic_error) << "the platform ends with the run";
  toolkit::Application->Initialize();  // for the tests that follow in this process
}

}  // namespace
