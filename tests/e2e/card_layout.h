#pragma once

#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <algorithm>

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
// The check box's border and the button's outer border with the keyboard focus.
inline constexpr QRgb kFocusBorder = 0x0078D7;
}  // namespace colour

// Rectangles are QRect(left, top, width, height).
inline constexpr QRect kPictureArea{0, 0, 663, 249};
inline constexpr QRect kCardOnePicture{213, 0, 237, 249};
inline constexpr QRect kCheckBox{0, 249, 137, 24};
// The 13 x 13 box, centred in the 18-pixel column at the check box's left
// edge and vertically in the strip (halves rounded to even).
inline constexpr QRect kCheckBoxBox{2, 255, 13, 13};
inline constexpr QPoint kCheckBoxCaption{60, 261};
inline constexpr QRect kNextButton{137, 249, 80, 24};
inline constexpr QRect kAnswerArea{0, 273, 663, 207};
// Inside the answer area's border, above the page dots: where the answer text
// shows.
inline constexpr QRect kAnswerTextRegion{1, 274, 661, 176};
inline constexpr QRect kEndPagePanel{0, 0, 663, 56};
inline constexpr QRect kToStartButton{0, 0, 80, 56};

// The 8 x 8 dot of page 1 ... 120 in a client area of `client`'s size: in
// 10-pixel cells, as many to a row as the width holds (all in one row from a
// width of 1200 on), the rows starting where a full row is centred, the last
// one ending 11 pixels above the bottom. At the opening size 66 dots make a
// row, starting at x = 3.
constexpr QRect pageDot(int page, QSize client = kClientSize) {
  const int columns = client.width() >= 10 * kPageCount ? kPageCount : std::max(1, client.width() / 10);
  const int rows = (kPageCount + columns - 1) / columns;
  const int spare = client.width() - (10 * columns - 2);
  const int x0 = spare >= 0 ? (spare + 1) / 2 : -(-spare / 2);  // halves rounded up
  const int top = client.height() - 10 - 10 * rows;
  return {x0 + 10 * ((page - 1) % columns), top + 1 + 10 * ((page - 1) / columns), 8, 8};
}

// `rect` in device pixels, at `scale` of them to a layout unit.
constexpr QRect scaled(QRect rect, int scale) {
  return {rect.x() * scale, rect.y() * scale, rect.width() * scale, rect.height() * scale};
}

constexpr QPoint centreOf(QRect rect) {
  return {rect.x() + rect.width() / 2, rect.y() + rect.height() / 2};
}

}  // namespace e2e::layout
