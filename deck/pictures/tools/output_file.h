#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>

// What the build-time generators write, each file whole.
namespace deck {

// Replaces the file at `path` with `bytes`, creating its folder if need be;
// throws std::runtime_error naming the path when it cannot.
void WriteOutputFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
void WriteOutputFile(const std::filesystem::path& path, std::string_view text);

}  // namespace deck
