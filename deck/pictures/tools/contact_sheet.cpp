#include "deck/pictures/tools/contact_sheet.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace deck {

RgbaImage ContactSheet(const std::vector<RgbaImage>& pictures) {
  constexpr int kColumns = 12;
  constexpr int kGap = 12;
  constexpr std::uint8_t kGrey = 128;
  int cellWidth = 0;
  int cellHeight = 0;
  for (const RgbaImage& picture : pictures) {
    cellWidth = std::max(cellWidth, picture.width + kGap);
    cellHeight = std::max(cellHeight, picture.height + kGap);
  }
  const int rows = (static_cast<int>(pictures.size()) + kColumns - 1) / kColumns;
  RgbaImage sheet{kColumns * cellWidth + kGap, rows * cellHeight + kGap, {}};
  sheet.bytes.resize(static_cast<std::size_t>(sheet.width) * sheet.height * 4, kGrey);
  for (std::size_t alpha = 3; alpha < sheet.bytes.size(); alpha += 4) {
    sheet.bytes[alpha] = 255;
  }
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const RgbaImage& picture = pictures[i];
    const int left = kGap + static_cast<int>(i % kColumns) * cellWidth;
    const int top = kGap + static_cast<int>(i / kColumns) * cellHeight;
    const std::size_t rowBytes = static_cast<std::size_t>(picture.width) * 4;
    for (int row = 0; row < picture.height; ++row) {
      std::copy_n(
          picture.bytes.begin() + row * rowBytes, rowBytes,
          sheet.bytes.begin() + ((top + row) * static_cast<std::size_t>(sheet.width) + left) * 4);
    }
  }
  return sheet;
}

}  // namespace deck
