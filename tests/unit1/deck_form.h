#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Unit1/Unit1.h"
#include "toolkit/controls/button.h"
#include "toolkit/controls/check_box.h"
#include "toolkit/controls/image.h"
#include "toolkit/controls/tab_control.h"
#include "toolkit/controls/tab_item.h"
#include "toolkit/controls/text.h"
#include "toolkit/platform/testing/testing_platform.h"

// The main form as the program builds it, on the testing platform: read from its definition,
// created (the start-up slide runs), and shown at the designed size on card 1.
class DeckForm {
 public:
  DeckForm();

  TForm1& Form() const { return *form_; }
  toolkit::platform::testing::TestingWindow& Window() const { return window_; }
  toolkit::platform::testing::TestingPlatform& Platform() const;
  toolkit::TTabControl& Tabs() const;

  toolkit::TTabItem* Page(int page) const;  // 1-based page number
  toolkit::TImage* ImageOf(int card) const;
  toolkit::TText* TextOf(int card) const;
  toolkit::TCheckBox* CheckBoxOf(int card) const;
  toolkit::TButton* NextButtonOf(int card) const;
  toolkit::TButton* BackToStart() const;
  int CurrentPage() const { return Tabs().TabIndex() + 1; }
  // The pages whose content is shown, in page numbers.
  std::vector<int> ShownPages() const;
  int ContentX(int page) const { return Page(page)->Content().Bounds().left; }

  // Clicks a control at a point of its own, by default its centre, through the window.
  void Click(const toolkit::TControl& control) const;
  void Click(const toolkit::TControl& control, double x, double y) const;
  void Resize(int width, int height) const { window_.Resize(width, height); }
  // The next slide's ticks come at these elapsed times, then every 20 ms; after each tick the
  // callback runs inside the slide.
  void ScriptNextSlide(std::vector<double> elapsedTimes, std::function<void()> afterTick = nullptr) const;

 private:
  template <typename T>
  T* Named(const std::string& name) const;

  std::unique_ptr<TForm1> form_;
  toolkit::platform::testing::TestingWindow& window_;
};
