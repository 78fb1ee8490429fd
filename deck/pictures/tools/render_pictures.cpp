// Build-time tool: renders every card picture from the picture table, writes
// their PNG streams as the C++ source <data.cpp> that the program is built
// with, and a contact sheet of all of them to <sheet.png> for a person to
// look over.

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "deck/pictures/picture_raster.h"
#include "deck/pictures/picture_table.h"
#include "deck/pictures/tools/contact_sheet.h"
#include "deck/pictures/tools/cpp_byte_array.h"
#include "deck/pictures/tools/output_file.h"
#include "deck/pictures/tools/png_encoder.h"

namespace {

std::string ArrayName(int card) { return "kCard" + std::to_string(card); }

// Defines deck::kCardPicturePngs over one byte array per card.
std::string PictureDataSource(const std::vector<deck::RgbaImage>& pictures) {
  std::string source =
      "// Written by lumivor_render_pictures when the program is built: the PNG stream of\n"
      "// every card picture, rendered from the picture table.\n\n"
      "#include <cstdint>\n\n"
      "#include \"deck/pictures/card_picture_data.h\"\n\n"
      "namespace deck {\nnamespace {\n\n";
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const int card = static_cast<int>(i) + 1;
    source += deck::ByteArrayDefinition(ArrayName(card), deck::EncodePng(pictures[i])) + "\n";
  }
  source +=
      "}  // namespace\n\n"
      "const std::array<std::span<const std::uint8_t>, kCardCount> kCardPicturePngs = {{\n";
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    source += "    " + ArrayName(static_cast<int>(i) + 1) + ",\n";
  }
  source += "}};\n\n}  // namespace deck\n";
  return source;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: %s <data.cpp> <contact-sheet.png>\n", argv[0]);
    return 2;
  }
  try {
    std::vector<deck::RgbaImage> pictures;
    for (int card = 1; card <= deck::kCardCount; ++card) {
      pictures.push_back(deck::RenderPicture(deck::PictureOf(card)));
    }
    deck::WriteOutputFile(argv[1], PictureDataSource(pictures));
    deck::WriteOutputFile(argv[2], deck::EncodePng(deck::ContactSheet(pictures)));
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
    return 1;
  }
  return 0;
}
