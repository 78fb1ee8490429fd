#pragma once

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>

// Where things are in the main window at its opening size, and their colours.
namespace e2e::layout {

inline constexpr QSize kClientSize{663, 480};
inline constexpr int kPageCount = 120;
inline constexpr int kEndPage = 120;

namespace colour {
inline constexpr QRgb kWhite = 0xFFFFFF;
inline constexpr QRgb kBlack = 0x000000;
inline constexpr QRgb kTabBorder = 0xD9D9D9;
inline constexpr QRgb kPanelFill = 0xF0F0F0;
inline constexpr QRgb kPanelBorder = 0xCCCCCC;
inline constexpr QRgb kDot = 0xD4D4D4;
inline constexpr QRgb kCurrentDot = 0x2A96FF;
inline constexpr QRgb kButtonFill = 0xE1E1E1;
inline constexpr QRgb kButtonBorder = 0xADADAD;
inline constexpr QRgb kCheckBoxBorder = 0x333333;
}  // namespace colour

// Rectangles are QRect(left, top, width, height).
inline constexpr QRect kPictureArea{0, 0, 663, 249};
inline constexpr QRect kCardOnePicture{213, 0, 237, 249};
inline constexpr QRect kCheckBox{0, 249, 137, 24};
// The 13 x 13 box, centred in the 18-pixel column at the check box's left
// edge and vertically in the strip (halves rounded to even).
inline constexpr QRect kCheckBoxBox{2, 254, 13, 13};
inline constexpr QPoint kCheckBoxCaption{60, 261};
inline constexpr QRect kNextButton{137, 249, 80, 24};
inline constexpr QRect kAnswerArea{0, 273, 663, 207};
// Inside the answer area's border, above the page dots: where the answer text
// shows.
inline constexpr QRect kAnswerTextRegion{1, 274, 661, 176};
inline constexpr QRect kEndPagePanel{0, 0, 663, 56};
inline constexpr QRect kToStartButton{0, 0, 80, 56};

// The 8 x 8 dot of page 1 ... 120: 66 dots to a row, 10 pixels apart.
constexpr QRect pageDot(int page) {
  return {3 + 10 * ((page - 1) % 66), 451 + 10 * ((page - 1) / 66), 8, 8};
}

constexpr QPoint centreOf(QRect rect) {
  return {rect.x() + rect.width() / 2, rect.y() + rect.height() / 2};
}

}  // namespace e2e::layout
