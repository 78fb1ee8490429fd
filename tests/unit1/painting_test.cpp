#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "deck/deck.h"
#include "tests/support/toolkit_printers.h"
#include "tests/unit1/deck_form.h"
#include "toolkit/looks/style.h"

using toolkit::Rect;
using toolkit::platform::Color;
using toolkit::platform::TextAlign;
using toolkit::platform::testing::BitmapOp;
using toolkit::platform::testing::FillOp;
using toolkit::platform::testing::FrameOp;
using toolkit::platform::testing::RecordingCanvas;
using toolkit::platform::testing::TextOp;
using toolkit::platform::testing::TickOp;

namespace {

template <typename Op>
std::vector<Op> OpsOf(const RecordingCanvas& canvas) {
  std::vector<Op> ops;
  for (const auto& recorded : canvas.Ops()) {
    if (const Op* op = std::get_if<Op>(&recorded.op)) ops.push_back(*op);
  }
  return ops;
}

const TextOp* TextNamed(const std::vector<TextOp>& texts, std::string_view text) {
  const auto found = std::find_if(texts.begin(), texts.end(), [&](const TextOp& op) { return op.text == text; });
  return found == texts.end() ? nullptr : &*found;
}

class Painting : public testing::Test {
 protected:
  RecordingCanvas Render() const { return deck.Window().Render(); }
  DeckForm deck;
};

TEST_F(Painting, Card1ShowsItsRegionsInTheWindowsTenLook) {
  const RecordingCanvas window = Render();
  ASSERT_EQ(window.Width(), 663);
  ASSERT_EQ(window.Height(), 480);
  struct Sample {
    int x, y;
    std::uint32_t rgb;
    const char* what;
  };
  for (const Sample& s : {Sample{100, 100, 0xFFFFFF, "the page background beside the picture"},
                          Sample{0, 100, 0xD9D9D9, "the tab control's border"},
                          Sample{300, 273, 0xCCCCCC, "the answer area's border"},
                          Sample{300, 350, 0xF0F0F0, "the answer area's fill"},
                          Sample{5, 455, 0x2A96FF, "page 1's dot"},
                          Sample{15, 455, 0xD4D4D4, "page 2's dot"},
                          Sample{12, 455, 0xF0F0F0, "between the dots"},
                          Sample{2, 255, 0x333333, "the check box's border"},
                          Sample{8, 261, 0xFFFFFF, "inside the empty box"},
                          Sample{137, 255, 0xADADAD, "the button's border"},
                          Sample{150, 252, 0xE1E1E1, "the button's fill"},
                          Sample{300, 260, 0xF0F0F0, "the strip beyond the button"}}) {
    EXPECT_EQ(window.Pixel(s.x, s.y), Color{s.rgb}) << s.what << " at " << s.x << ", " << s.y;
  }
  const auto pictures = OpsOf<BitmapOp>(window);
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0].target, (Rect{213, 0, 450, 249})) << "card 1's picture, fitted and centred";
  EXPECT_EQ(pictures[0].opacity, 1.0);

  const auto texts = OpsOf<TextOp>(window);
  const TextOp* next = TextNamed(texts, "Следующий");
  ASSERT_NE(next, nullptr);
  EXPECT_EQ(next->rect, (Rect{137, 249, 217, 273}));
  EXPECT_EQ(next->layout.horizontal, TextAlign::Center);
  EXPECT_EQ(next->layout.vertical, TextAlign::Center);
  const TextOp* caption = TextNamed(texts, "Правильный ответ");
  ASSERT_NE(caption, nullptr);
  EXPECT_EQ(caption->rect, (Rect{21, 249, 137, 273})) << "3 pixels right of the box's 18-pixel column";
  EXPECT_EQ(caption->color, Color{0x000000});
  EXPECT_EQ(TextNamed(texts, deck::AnswerText(1)), nullptr) << "the answer is hidden";
  EXPECT_TRUE(OpsOf<TickOp>(window).empty());
}

TEST_F(Painting, TheCheckBoxSquareIsCentredInItsHeightWithHalvesToEven) {
  const RecordingCanvas window = Render();
  const auto frames = OpsOf<FrameOp>(window);
  const auto box = std::find_if(frames.begin(), frames.end(),
                                [](const FrameOp& op) { return op.color == toolkit::look::kCheckBoxBorder; });
  ASSERT_NE(box, frames.end());
  // (24 - 13) / 2 = 5.5 goes to 6, (18 - 13) / 2 = 2.5 to 2.
  EXPECT_EQ(box->rect, (Rect{2, 255, 15, 268}));
  EXPECT_EQ(box->width, 1);
  EXPECT_EQ(window.Pixel(2, 254), Color{0xF0F0F0}) << "the strip above the box";
  EXPECT_EQ(window.Pixel(2, 267), Color{0x333333}) << "the box's last row";
  EXPECT_EQ(window.Pixel(2, 268), Color{0xF0F0F0}) << "the strip below the box";
  EXPECT_EQ(window.Pixel(1, 261), Color{0xF0F0F0}) << "the strip left of the box";
}

TEST_F(Painting, ARevealedAnswerIsDrawnCentredAndWrappedInItsAreaWithATick) {
  deck.Click(*deck.CheckBoxOf(1), 8, 12);
  const RecordingCanvas window = Render();
  const auto texts = OpsOf<TextOp>(window);
  const TextOp* answer = TextNamed(texts, deck::AnswerText(1));
  ASSERT_NE(answer, nullptr);
  EXPECT_EQ(answer->rect, (Rect{0, 273, 663, 480}));
  EXPECT_EQ(answer->color, Color{0x000000});
  EXPECT_EQ(answer->layout.horizontal, TextAlign::Center);
  EXPECT_EQ(answer->layout.vertical, TextAlign::Center);
  EXPECT_TRUE(answer->layout.wrap);
  const auto ticks = OpsOf<TickOp>(window);
  ASSERT_EQ(ticks.size(), 1u);
  EXPECT_EQ(ticks[0].box, (Rect{2, 255, 15, 268})) << "the box holds its tick";
}

TEST_F(Painting, TheLongestAnswerIsWrappedToItsAreaAndClippedToThePage) {
  deck.Tabs().SetTabIndex(18);
  deck.Click(*deck.CheckBoxOf(19), 8, 12);
  const RecordingCanvas window = Render();
  const auto& ops = window.Ops();
  const auto answer = std::find_if(ops.begin(), ops.end(), [](const auto& recorded) {
    const auto* text = std::get_if<TextOp>(&recorded.op);
    return text != nullptr && text->text == deck::AnswerText(19);
  });
  ASSERT_NE(answer, ops.end());
  const TextOp& text = std::get<TextOp>(answer->op);
  EXPECT_EQ(text.rect, (Rect{0, 273, 663, 480}));
  EXPECT_TRUE(text.layout.wrap) << "broken into lines by the area, not by the text";
  EXPECT_EQ(answer->clip, (Rect{0, 0, 663, 480}));
}

TEST_F(Painting, PicturesAreDecodedWhenFirstShownAndKept) {
  EXPECT_TRUE(deck.ImageOf(1)->IsDecoded());
  for (int card = 2; card <= deck::kCardCount; ++card) {
    EXPECT_FALSE(deck.ImageOf(card)->IsDecoded()) << "card " << card;
  }
  const int decodes = deck.Platform().Decodes();
  deck.Tabs().SetTabIndex(36);
  Render();
  ASSERT_TRUE(deck.ImageOf(37)->IsDecoded());
  EXPECT_EQ(deck.Platform().Decodes(), decodes + 1);
  deck.Tabs().SetTabIndex(0);
  deck.Tabs().SetTabIndex(36);
  const auto pictures = OpsOf<BitmapOp>(Render());
  EXPECT_EQ(deck.Platform().Decodes(), decodes + 1) << "decoded once";
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0].bitmapWidth, 229);
  EXPECT_EQ(pictures[0].bitmapHeight, 315);
  EXPECT_FALSE(deck.ImageOf(38)->IsDecoded());
}

struct PictureCase {
  const char* name;
  int card;
  int width;
  Rect target;
};

void PrintTo(const PictureCase& c, std::ostream* out) { *out << c.name; }

class PicturePlacement : public testing::TestWithParam<PictureCase> {
 protected:
  DeckForm deck;
};

TEST_P(PicturePlacement, FitsAndCentresThePictureInItsArea) {
  const PictureCase& c = GetParam();
  deck.Resize(c.width, 480);
  deck.Tabs().SetTabIndex(c.card - 1);
  const RecordingCanvas window = deck.Window().Render();
  const auto pictures = OpsOf<BitmapOp>(window);
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0].target, c.target);
  if (c.target.left > 1) {
    EXPECT_EQ(window.Pixel(c.target.left - 1, 100), Color{0xFFFFFF}) << "the page background beside it";
  }
}

INSTANTIATE_TEST_SUITE_P(Cards, PicturePlacement,
                         testing::Values(PictureCase{"Card1", 1, 663, {213, 0, 450, 249}},
                                         PictureCase{"Card37Narrowest", 37, 663, {241, 0, 422, 249}},
                                         PictureCase{"Card39", 39, 663, {234, 0, 429, 249}},
                                         PictureCase{"Card91Enlarged", 91, 663, {156, 0, 507, 249}},
                                         PictureCase{"Card92Enlarged", 92, 663, {164, 0, 499, 249}},
                                         PictureCase{"Card99", 99, 663, {175, 0, 487, 249}},
                                         PictureCase{"Card99InANarrowWindow", 99, 300, {0, 5, 300, 244}}),
                         [](const testing::TestParamInfo<PictureCase>& info) { return info.param.name; });

TEST_F(Painting, TheCurrentPagesDotIsPaintedLast) {
  for (int page : {1, 50, 120}) {
    deck.Tabs().SetTabIndex(page - 1);
    std::vector<FillOp> dots;
    for (const FillOp& fill : OpsOf<FillOp>(Render())) {
      if (fill.rect.Width() == 8 && fill.rect.Height() == 8) dots.push_back(fill);
    }
    ASSERT_EQ(dots.size(), 120u) << "page " << page;
    EXPECT_EQ(dots.back().rect, deck.Page(page)->BoundsInWindow()) << "page " << page;
    EXPECT_EQ(dots.back().color, toolkit::WIN10STYLE.currentDot) << "page " << page;
    const auto highlighted = std::count_if(dots.begin(), dots.end(), [](const FillOp& dot) {
      return dot.color == toolkit::WIN10STYLE.currentDot;
    });
    EXPECT_EQ(highlighted, 1) << "page " << page;
  }
}

// The colours in which the looks differ, as pairs of (Windows 10 colour, this look's colour).
std::vector<std::pair<Color, Color>> TableColours(const toolkit::TStyle& style) {
  const toolkit::TStyle& ten = toolkit::WIN10STYLE;
  return {{ten.tabBackground, style.tabBackground}, {ten.tabBorder, style.tabBorder},
          {ten.panelFill, style.panelFill},         {ten.panelBorder, style.panelBorder},
          {ten.dot, style.dot},                     {ten.currentDot, style.currentDot}};
}

Color ColourOf(const toolkit::platform::testing::DrawOp& op) {
  return std::visit(
      [](const auto& drawn) -> Color {
        if constexpr (requires { drawn.color; }) {
          return drawn.color;
        } else {
          return Color{};
        }
      },
      op);
}

toolkit::platform::testing::DrawOp WithColour(toolkit::platform::testing::DrawOp op, Color color) {
  std::visit(
      [&](auto& drawn) {
        if constexpr (requires { drawn.color; }) drawn.color = color;
      },
      op);
  return op;
}

bool SameOp(const toolkit::platform::testing::DrawOp& a, const toolkit::platform::testing::DrawOp& b) {
  if (a.index() != b.index()) return false;
  return std::visit(
      [&](const auto& first) {
        using Op = std::decay_t<decltype(first)>;
        const Op& second = std::get<Op>(b);
        if constexpr (std::is_same_v<Op, FillOp>) return first.rect == second.rect && first.color == second.color;
        if constexpr (std::is_same_v<Op, FrameOp>)
          return first.rect == second.rect && first.color == second.color && first.width == second.width;
        if constexpr (std::is_same_v<Op, BitmapOp>) return first.target == second.target;
        if constexpr (std::is_same_v<Op, TextOp>)
          return first.rect == second.rect && first.text == second.text && first.color == second.color &&
                 first.layout.wrap == second.layout.wrap && first.layout.horizontal == second.layout.horizontal &&
                 first.layout.vertical == second.layout.vertical;
        if constexpr (std::is_same_v<Op, TickOp>) return first.box == second.box && first.color == second.color;
      },
      a);
}

TEST_F(Painting, TheOlderLooksDifferOnlyInTheTableColours) {
  deck.Click(*deck.CheckBoxOf(1), 8, 12);  // a tick and a focused box too
  const RecordingCanvas ten = Render();
  for (const toolkit::TStyle* style : {&toolkit::WIN8STYLE, &toolkit::WIN7STYLE}) {
    SCOPED_TRACE(std::string(style->name));
    toolkit::UseStyle(*style);
    const RecordingCanvas other = Render();
    toolkit::UseStyle(toolkit::WIN10STYLE);
    ASSERT_EQ(other.Ops().size(), ten.Ops().size());
    const auto colours = TableColours(*style);
    for (size_t i = 0; i < ten.Ops().size(); ++i) {
      const auto& mine = ten.Ops()[i];
      const auto& theirs = other.Ops()[i];
      EXPECT_EQ(mine.clip, theirs.clip) << "op " << i;
      // Each op is the same once a table colour is replaced by the look's own.
      Color expected = ColourOf(mine.op);
      const auto mapped =
          std::find_if(colours.begin(), colours.end(), [&](const auto& pair) { return pair.first == expected; });
      if (mapped != colours.end() && !std::holds_alternative<TextOp>(mine.op) &&
          !std::holds_alternative<TickOp>(mine.op)) {
        expected = mapped->second;
      }
      EXPECT_TRUE(SameOp(WithColour(mine.op, expected), theirs.op)) << "op " << i;
    }
  }
}

Rect AreaOf(const toolkit::platform::testing::DrawOp& op) {
  return std::visit(
      [](const auto& drawn) -> Rect {
        using Op = std::decay_t<decltype(drawn)>;
        if constexpr (std::is_same_v<Op, BitmapOp>) {
          return drawn.target;
        } else if constexpr (std::is_same_v<Op, TickOp>) {
          return drawn.box;
        } else {
          return drawn.rect;
        }
      },
      op);
}

TEST_F(Painting, ButtonsAndCheckBoxesLookTheSameInEveryLook) {
  deck.Click(*deck.CheckBoxOf(1), 8, 12);  // checked, focused and under the pointer
  const Rect controls{0, 249, 217, 273};   // the check box and the button
  const auto controlOps = [&](const RecordingCanvas& canvas) {
    std::vector<toolkit::platform::testing::DrawOp> ops;
    for (const auto& recorded : canvas.Ops()) {
      const Rect area = AreaOf(recorded.op);
      if (area.left >= controls.left && area.top >= controls.top && area.right <= controls.right &&
          area.bottom <= controls.bottom) {
        ops.push_back(recorded.op);
      }
    }
    return ops;
  };
  const auto ten = controlOps(Render());
  ASSERT_GE(ten.size(), 7u) << "box, border, tick, caption; button fill, border, caption";
  for (const toolkit::TStyle* style : {&toolkit::WIN8STYLE, &toolkit::WIN7STYLE}) {
    toolkit::UseStyle(*style);
    const auto other = controlOps(Render());
    toolkit::UseStyle(toolkit::WIN10STYLE);
    ASSERT_EQ(other.size(), ten.size()) << style->name;
    for (size_t i = 0; i < ten.size(); ++i) EXPECT_TRUE(SameOp(ten[i], other[i])) << style->name << ", op " << i;
  }
}

TEST(HandlerErrors, AreReportedAndInputGoesOn) {
  DeckForm deck;
  deck.NextButtonOf(1)->BindEvent(
      "OnClick", toolkit::TNotifyEvent([](toolkit::TObject*) { throw std::runtime_error("Сбой"); }));
  const std::vector<std::string> before = deck.Platform().Errors();
  deck.Click(*deck.NextButtonOf(1));
  deck.Click(*deck.NextButtonOf(1));
  std::vector<std::string> reported(deck.Platform().Errors().begin() + static_cast<long>(before.size()),
                                    deck.Platform().Errors().end());
  EXPECT_EQ(reported, (std::vector<std::string>{"Сбой", "Сбой"}));
  deck.Click(*deck.CheckBoxOf(1), 8, 12);
  EXPECT_TRUE(deck.TextOf(1)->Visible()) << "input goes on";
  EXPECT_EQ(deck.CurrentPage(), 1);
}

}  // namespace
