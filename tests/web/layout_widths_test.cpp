// The layout follows the viewport at any width, opened at it or resized to it:
// the dots in rows of as many as the width holds (all in one row from 1200
// on), the controls of the strip where they are at every width, the answer
// area to the viewport's edges.
#include "tests/e2e/browser_program_session.h"
#include "tests/e2e/card_layout.h"
#include "tests/e2e/image_checks.h"
#include "tests/e2e/program_window.h"
#include "tests/e2e/qt_printers.h"

#include <gtest/gtest.h>
#include <optional>

namespace e2e {
namespace {

using namespace layout;

struct WidthCase {
  const char* name;
  QSize opened;                  // the viewport the page opens in
  std::optional<QSize> resized;  // and the one it is given afterwards, if any
};
void PrintTo(const WidthCase& c, std::ostream* out) { *out << c.name; }

class LayoutWidths : public ::testing::TestWithParam<WidthCase> {};

TEST_P(LayoutWidths, LaysCardOneOutToTheViewport) {
  const WidthCase& width = GetParam();
  PageOptions options;
  options.viewport = width.opened;
  ProgramWindow window(std::make_unique<BrowserProgramSession>(options));
  const QSize size = width.resized.value_or(width.opened);
  if (width.resized) window.resize(size);
  const QImage shot = window.captureSettled([&](const QImage& s) { return s.size() == size && isDotHighlighted(s, 1, size); });
  saveCapture(shot, (std::string("width-") + width.name + ".png").c_str());
  ASSERT_EQ(shot.size(), size);
  EXPECT_EQ(window.clientSize(), size) << "the canvas does not fill the viewport";

  for (int page = 1; page <= kPageCount; ++page)
    EXPECT_TRUE(isFilledWith(shot, pageDot(page, size), page == 1 ? colour::kCurrentDot : colour::kDot))
        << "dot of page " << page;
  EXPECT_TRUE(hasOutline(shot, kCheckBoxBox, colour::kCheckBoxBorder));
  EXPECT_TRUE(hasOutline(shot, kNextButton, colour::kButtonBorder));
  EXPECT_TRUE(hasOutline(shot, {0, kAnswerArea.top(), size.width(), size.height() - kAnswerArea.top()},
                         colour::kPanelBorder));
  EXPECT_TRUE(isFilledWith(shot, {kNextButton.right() + 2, 250, size.width() - kNextButton.right() - 3, 22},
                           colour::kPanelFill))
      << "the strip right of the button";
}

INSTANTIATE_TEST_SUITE_P(
    AtAnyWidth, LayoutWidths,
    ::testing::Values(WidthCase{"OpenedAt400", {400, 480}, std::nullopt},
                      WidthCase{"OpenedAt1200", {1200, 480}, std::nullopt},
                      WidthCase{"ResizedTo400", kClientSize, QSize(400, 480)},
                      WidthCase{"ResizedTo1200", kClientSize, QSize(1200, 480)}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace e2e
