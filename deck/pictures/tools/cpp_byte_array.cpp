#include "deck/pictures/tools/cpp_byte_array.h"

#include <cstddef>

namespace deck {

std::string ByteArrayDefinition(std::string_view name, std::span<const std::uint8_t> bytes) {
  constexpr std::size_t kBytesPerLine = 16;
  constexpr char kHexDigits[] = "0123456789abcdef";
  std::string source = "constexpr std::uint8_t ";
  source.append(name).append("[] = {");
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    source += i % kBytesPerLine == 0 ? "\n    " : " ";
    source += "0x";
    source += kHexDigits[bytes[i] >> 4];
    source += kHexDigits[bytes[i] & 0x0F];
    source += ',';
  }
  source += "\n};\n";
  return source;
}

}  // namespace deck
