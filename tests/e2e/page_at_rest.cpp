#include "page_at_rest.h"

#include "card_layout.h"
#include "image_checks.h"

#include <string>
#include <vector>

namespace e2e {
namespace {

using namespace layout;

constexpr int kWidth = kClientSize.width();

// A region in one of the colours it may have: wholly filled or, for an
// outline, along its 1-pixel edge.
struct Paint {
  const char* what;
  QRect region;
  std::vector<QRgb> colours;
  bool outlineOnly = false;
};

::testing::AssertionResult showsAll(const QImage& shot, const std::vector<Paint>& paints) {
  for (const Paint& paint : paints) {
    ::testing::AssertionResult first = ::testing::AssertionSuccess();
    bool matched = false;
    for (const QRgb colour : paint.colours) {
      auto result = paint.outlineOnly ? hasOutline(shot, paint.region, colour)
                                      : isFilledWith(shot, paint.region, colour);
      if (result) matched = true;
      else if (colour == paint.colours.front()) first = result;
    }
    if (!matched) return first << " (" << paint.what << ")";
  }
  return ::testing::AssertionSuccess();
}

// The page's `background` around the two rows of dots.
std::vector<Paint> dotSurroundings(QRgb background) {
  return {{"above the dots", {1, 450, kWidth - 2, 1}, {background}},
          {"between the dot rows", {1, 459, kWidth - 2, 2}, {background}},
          {"below the dots", {1, 469, kWidth - 2, 10}, {background}},
          {"left of the dots", {1, 451, 2, 18}, {background}},
          {"right of the short second row", {541, 461, kWidth - 542, 8}, {background}}};
}

std::vector<Paint> operator+(std::vector<Paint> paints, const std::vector<Paint>& more) {
  paints.insert(paints.end(), more.begin(), more.end());
  return paints;
}

::testing::AssertionResult showsCardAtRest(const QImage& shot) {
  constexpr int stripRight = kNextButton.right() + 1;
  constexpr QRgb panel = colour::kPanelFill;
  constexpr QRgb border = colour::kPanelBorder;
  const std::vector<Paint> controls = {
      {"check box", kCheckBoxBox, {colour::kCheckBoxBorder, colour::kFocusBorder}, true},
      {"next button", kNextButton, {colour::kButtonBorder, colour::kFocusBorder}, true},
      {"strip border right of the button, top", {stripRight, 249, kWidth - stripRight, 1}, {border}},
      {"strip border right of the button, bottom", {stripRight, 272, kWidth - stripRight, 1}, {border}},
      {"strip border, right", {kWidth - 1, 249, 1, 24}, {border}},
      {"strip right of the button", {stripRight + 1, 250, kWidth - 2 - stripRight, 22}, {panel}},
      {"answer area border, top", {0, 273, kWidth, 1}, {border}},
      {"answer area border, bottom", {0, 479, kWidth, 1}, {border}},
      {"answer area border beside the dots, left", {0, 450, 1, 29}, {border}},
      {"answer area border beside the dots, right", {kWidth - 1, 450, 1, 29}, {border}}};
  // A shown answer may be as wide as the area and touch its side borders.
  const std::vector<Paint> noAnswer = {
      {"answer area without text", kAnswerTextRegion, {panel}},
      {"answer area border beside the text, left", {0, 274, 1, 176}, {border}},
      {"answer area border beside the text, right", {kWidth - 1, 274, 1, 176}, {border}}};

  const bool shown = answerShown(shot);
  auto paints = controls + dotSurroundings(panel);
  if (!shown) paints = paints + noAnswer;
  if (auto result = showsAll(shot, paints); !result) return result;
  if (shown != boxTicked(shot))
    return ::testing::AssertionFailure() << (shown ? "the answer is shown but the box is not ticked"
                                                   : "the box is ticked but the answer is hidden");
  return ::testing::AssertionSuccess();
}

::testing::AssertionResult showsEndPageAtRest(const QImage& shot) {
  constexpr int panelLeft = kToStartButton.right() + 1;
  constexpr QRgb border = colour::kPanelBorder;
  const std::vector<Paint> page = {
      {"\"В начало\"", kToStartButton, {colour::kButtonBorder, colour::kFocusBorder}, true},
      {"panel border, top", {panelLeft, 0, kWidth - panelLeft, 1}, {border}},
      {"panel border, bottom", {panelLeft, 55, kWidth - panelLeft, 1}, {border}},
      {"panel border, right", {kWidth - 1, 0, 1, 56}, {border}},
      {"panel", {panelLeft, 1, kWidth - 1 - panelLeft, 54}, {colour::kPanelFill}},
      {"background below the panel", {1, 56, kWidth - 2, 394}, {colour::kWhite}},
      {"tab control border, left", {0, 56, 1, 424}, {colour::kTabBorder}},
      {"tab control border, right", {kWidth - 1, 56, 1, 424}, {colour::kTabBorder}},
      {"tab control border, bottom", {0, 479, kWidth, 1}, {colour::kTabBorder}}};
  return showsAll(shot, page + dotSurroundings(colour::kWhite));
}

}  // namespace

bool answerShown(const QImage& shot) { return darkPixelBounds(shot, kAnswerTextRegion).has_value(); }

bool boxTicked(const QImage& shot) {
  return darkPixelBounds(shot, kCheckBoxBox.adjusted(1, 1, -1, -1)).has_value();
}

::testing::AssertionResult showsOneCurrentDot(const QImage& shot) {
  std::string odd;
  for (int page = 1; page <= kPageCount; ++page)
    if (!isFilledWith(shot, pageDot(page), colour::kDot) && !isDotHighlighted(shot, page))
      odd += " " + std::to_string(page);
  if (!odd.empty())
    return ::testing::AssertionFailure() << "neither plain nor highlighted: the dots of pages" << odd;
  const auto highlighted = highlightedDots(shot);
  if (highlighted.size() == 1) return ::testing::AssertionSuccess();
  auto failure = ::testing::AssertionFailure() << highlighted.size() << " highlighted dots:";
  for (const int page : highlighted) failure << " " << page;
  return failure;
}

::testing::AssertionResult showsPageAtRest(const QImage& shot) {
  if (shot.size() != kClientSize)
    return ::testing::AssertionFailure() << "the capture is " << shot.width() << "x" << shot.height();
  if (auto dots = showsOneCurrentDot(shot); !dots) return dots;
  const int page = highlightedDots(shot).front();
  auto result = page == kEndPage ? showsEndPageAtRest(shot) : showsCardAtRest(shot);
  return result << " on page " << page;
}

bool showsPageAtRest(const QImage& shot, int page) { return isDotHighlighted(shot, page) && showsPageAtRest(shot); }

}  // namespace e2e
