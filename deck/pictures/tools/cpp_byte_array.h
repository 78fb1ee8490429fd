#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace deck {

// C++ source defining `constexpr std::uint8_t <name>[]` that holds `bytes`,
// for a generator that builds files into the program. The source that takes
// it in includes <cstdint>.
std::string ByteArrayDefinition(std::string_view name, std::span<const std::uint8_t> bytes);

}  // namespace deck
