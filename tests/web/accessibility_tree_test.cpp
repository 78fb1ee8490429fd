// The accessibility tree of the page as the browser reports it: the window,
// the 120 page tabs with the current one selected, the current card's check
// box with its state and its button, its answer text only while shown, the
// end page's button, and the focus in step with the program's.
#include "deck/deck.h"
#include "tests/e2e/browser_program_session.h"
#include "tests/e2e/card_layout.h"
#include "tests/e2e/image_checks.h"
#include "tests/e2e/page_at_rest.h"
#include "tests/e2e/program_window.h"

#include <gtest/gtest.h>
#include <algorithm>

namespace e2e {
namespace {

using namespace layout;

constexpr const char* kCaption = "Тарвель. Zaze";
// Chromium's node for the document itself, named after its title.
constexpr const char* kDocumentRole = "RootWebArea";

std::string tabName(int page) { return "Страница " + std::to_string(page); }

// The tree as the browser reports it at one moment.
class Tree {
public:
  explicit Tree(std::vector<AccessibleElement> elements) : elements_(std::move(elements)) {}

  std::vector<AccessibleElement> withRole(const std::string& role) const {
    std::vector<AccessibleElement> found;
    for (const auto& element : elements_)
      if (element.role == role) found.push_back(element);
    return found;
  }

  // The elements of `role` named `name`.
  std::vector<AccessibleElement> find(const std::string& role, std::string_view name) const {
    std::vector<AccessibleElement> found;
    for (const auto& element : withRole(role))
      if (element.name == name) found.push_back(element);
    return found;
  }

  // Some element besides the document is named `name`, whatever its role: a text's may be the
  // browser's own.
  bool hasNamed(std::string_view name) const {
    return std::any_of(elements_.begin(), elements_.end(), [&](const AccessibleElement& element) {
      return element.name == name && element.role != kDocumentRole;
    });
  }

  // The 120 tabs in order, the one of `page` alone selected.
  ::testing::AssertionResult showsPage(int page) const {
    const auto tabs = withRole("tab");
    if (tabs.size() != static_cast<size_t>(kPageCount))
      return ::testing::AssertionFailure() << tabs.size() << " tabs";
    for (int index = 0; index < kPageCount; ++index) {
      const auto& tab = tabs[static_cast<size_t>(index)];
      if (tab.name != tabName(index + 1)) return ::testing::AssertionFailure() << "tab " << index + 1 << " is named " << tab.name;
      if (tab.selected.value_or(false) != (index + 1 == page))
        return ::testing::AssertionFailure() << tab.name << (index + 1 == page ? " is not selected" : " is selected");
    }
    return ::testing::AssertionSuccess();
  }

private:
  std::vector<AccessibleElement> elements_;
};

class AccessibilityTree : public ::testing::Test {
protected:
  Tree tree() const { return Tree(window.session<BrowserProgramSession>().accessibilityTree()); }

  ProgramWindow window{std::make_unique<BrowserProgramSession>()};
};

TEST_F(AccessibilityTree, NamesTheWindowItsTabsAndCardOnesControls) {
  const Tree tree = this->tree();
  EXPECT_TRUE(tree.hasNamed(kCaption)) << "the window";
  EXPECT_EQ(tree.withRole("tablist").size(), 1u);
  EXPECT_TRUE(tree.showsPage(1));
  const auto boxes = tree.find("checkbox", deck::kRevealCaption);
  ASSERT_EQ(boxes.size(), 1u) << "the current card's check box alone";
  EXPECT_EQ(boxes[0].checked, std::optional<bool>(false));
  EXPECT_EQ(tree.withRole("checkbox").size(), 1u);
  EXPECT_EQ(tree.find("button", deck::kNextCaption).size(), 1u);
  EXPECT_FALSE(tree.hasNamed(deck::AnswerText(1))) << "the answer is hidden";
  EXPECT_FALSE(tree.hasNamed(deck::kBackToStartCaption));
}

TEST_F(AccessibilityTree, FollowsTheRevealAndTheFocus) {
  window.click(kCheckBoxCaption);
  window.captureWhen(answerShown);
  const Tree revealed = tree();
  const auto boxes = revealed.find("checkbox", deck::kRevealCaption);
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].checked, std::optional<bool>(true));
  EXPECT_TRUE(boxes[0].focused) << "the check box took the focus with the click";
  EXPECT_TRUE(revealed.hasNamed(deck::AnswerText(1))) << "the answer is shown";

  window.typeKeys("ctrl+Tab");
  window.captureSettled([](const QImage& shot) { return isDotHighlighted(shot, 2); });
  const Tree cardTwo = tree();
  EXPECT_TRUE(cardTwo.showsPage(2));
  const auto tab = cardTwo.find("tab", tabName(2));
  ASSERT_EQ(tab.size(), 1u);
  EXPECT_TRUE(tab[0].focused) << "Ctrl+Tab gives the new page's dot the focus";
  const auto cardTwoBoxes = cardTwo.find("checkbox", deck::kRevealCaption);
  ASSERT_EQ(cardTwoBoxes.size(), 1u) << "card 2's check box alone";
  EXPECT_EQ(cardTwoBoxes[0].checked, std::optional<bool>(false));
  EXPECT_FALSE(cardTwo.hasNamed(deck::AnswerText(1))) << "card 1's answer went with its page";
}

TEST_F(AccessibilityTree, ShowsTheEndPagesButtonAlone) {
  window.click(centreOf(pageDot(kEndPage)));
  window.captureSettled([](const QImage& shot) { return isDotHighlighted(shot, kEndPage); });
  const Tree tree = this->tree();
  EXPECT_TRUE(tree.showsPage(kEndPage));
  EXPECT_EQ(tree.find("button", deck::kBackToStartCaption).size(), 1u);
  EXPECT_TRUE(tree.withRole("checkbox").empty());
  EXPECT_FALSE(tree.hasNamed(deck::kNextCaption));
}

}  // namespace
}  // namespace e2e
