#include "tests/support/exact_canvas_cases.h"

namespace {

using namespace canvas_colors;
using toolkit::Rect;
using toolkit::platform::Canvas;

}  // namespace

const std::vector<ExactCanvasCase>& ExactCanvasCases() {
  static const std::vector<ExactCanvasCase> cases = {
      {"fills and frames",
       [](Canvas& canvas) {
         canvas.FillRect({2, 3, 12, 9}, kBlue);
         canvas.FrameRect({20, 2, 34, 12}, kRed, 1);
         canvas.FrameRect({36, 2, 50, 14}, kGreen, 2);
         canvas.FrameRect({2, 20, 8, 24}, kRed, 3);  // wider than half the box: all border
         canvas.FillRect({40, 30, 30, 35}, kBlue);   // inverted: nothing
       },
       {{{2, 3, 12, 9}, kBlue},
        {{20, 2, 34, 12}, kRed},
        {{21, 3, 33, 11}, kWhite},
        {{36, 2, 50, 14}, kGreen},
        {{38, 4, 48, 12}, kWhite},
        {{2, 20, 8, 24}, kRed}}},
      {"nested offsets and clips",
       [](Canvas& canvas) {
         canvas.Save();
         canvas.Translate(10, 5);
         canvas.ClipTo({0, 0, 10, 10});  // (10, 5) to (20, 15) in the window
         canvas.Save();
         canvas.Translate(5, 5);
         canvas.ClipTo({-20, -20, 20, 3});  // narrows the clip to (10, 5) to (20, 13)
         canvas.FillRect({-100, -100, 100, 100}, kRed);
         canvas.Restore();
         canvas.FillRect({0, 8, 30, 30}, kBlue);  // offset (10, 5) and the outer clip are back
         canvas.Restore();
         canvas.FillRect({30, 0, 35, 5}, kGreen);  // no offset and no clip any more
         for (const Rect& nothing : {Rect{40, 20, 40, 30}, Rect{50, 20, 45, 30}}) {
           canvas.Save();
           canvas.ClipTo(nothing);
           canvas.FillRect({0, 0, kExactCanvasWidth, kExactCanvasHeight}, kRed);
           canvas.Restore();
         }
       },
       {{{10, 5, 20, 13}, kRed}, {{10, 13, 20, 15}, kBlue}, {{30, 0, 35, 5}, kGreen}}},
      {"a frame and a fill moved together keep their edges",
       [](Canvas& canvas) {
         canvas.Translate(7, 3);
         canvas.FrameRect({0, 0, 20, 10}, kBlue, 2);
         canvas.FillRect({2, 2, 18, 8}, kGreen);
         canvas.Translate(-7, -3);
         canvas.FillRect({40, 20, 41, 21}, kRed);
       },
       {{{7, 3, 27, 13}, kBlue}, {{9, 5, 25, 11}, kGreen}, {{40, 20, 41, 21}, kRed}}},
  };
  return cases;
}
