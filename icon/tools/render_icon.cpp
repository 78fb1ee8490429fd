// Build-time tool: draws the program icon MAINICON at every size it comes in,
// and writes it three ways: as the C++ source <data.cpp> that the program is
// built with (one PNG stream per size), as the Windows icon file <icon.ico>,
// and as PNG files laid out as a freedesktop icon theme,
// <theme-dir>/<N>x<N>/apps/<name>.png. Given a <page-dir> and sizes, it also
// draws the icon at those sizes as <page-dir>/icon-<N>.png, for the web
// page's manifest and home-screen icons.

#include <cstdint>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "deck/pictures/tools/cpp_byte_array.h"
#include "deck/pictures/tools/output_file.h"
#include "deck/pictures/tools/png_encoder.h"
#include "icon/main_icon_sizes.h"
#include "icon/tools/ico_file.h"
#include "icon/tools/icon_artwork.h"

namespace {

std::string ArrayName(int size) { return "kIcon" + std::to_string(size); }

// Defines icon::kMainIconImages over one byte array per size.
std::string IconDataSource(const std::vector<icon::IcoImage>& images) {
  std::string source =
      "// Written by lumivor_render_icon when the program is built: the program icon\n"
      "// as one PNG stream per size.\n\n"
      "#include <cstdint>\n\n"
      "#include \"icon/main_icon_data.h\"\n\n"
      "namespace icon {\nnamespace {\n\n";
  for (const icon::IcoImage& image : images) {
    source += deck::ByteArrayDefinition(ArrayName(image.pixels.width), image.png) + "\n";
  }
  source +=
      "}  // namespace\n\n"
      "const std::array<toolkit::platform::IconImage, kMainIconSizes.size()> kMainIconImages = "
      "{{\n";
  for (const icon::IcoImage& image : images) {
    const std::string size = std::to_string(image.pixels.width);
    source += "    {" + size + ", " + ArrayName(image.pixels.width) + "},\n";
  }
  source += "}};\n\n}  // namespace icon\n";
  return source;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 5 || argc == 6) {
    std::fprintf(stderr, "usage: %s <data.cpp> <icon.ico> <theme-dir> <name> [<page-dir> <size>...]\n", argv[0]);
    return 2;
  }
  try {
    std::vector<icon::IcoImage> images;
    for (const int size : icon::kMainIconSizes) {
      deck::RgbaImage pixels = icon::DrawMainIcon(size);
      std::vector<std::uint8_t> png = deck::EncodePng(pixels);
      images.push_back({std::move(pixels), std::move(png)});
    }
    deck::WriteOutputFile(argv[1], IconDataSource(images));
    deck::WriteOutputFile(argv[2], icon::IcoFile(images));
    for (const icon::IcoImage& image : images) {
      const std::string size = std::to_string(image.pixels.width);
      deck::WriteOutputFile(std::filesystem::path(argv[3]) / (size + "x" + size) / "apps" /
                                (std::string(argv[4]) + ".png"),
                            image.png);
    }
    for (int argument = 6; argument < argc; ++argument) {
      const int size = std::stoi(argv[argument]);
      deck::WriteOutputFile(std::filesystem::path(argv[5]) / ("icon-" + std::to_string(size) + ".png"),
                            deck::EncodePng(icon::DrawMainIcon(size)));
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
    return 1;
  }
  return 0;
}
