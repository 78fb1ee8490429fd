#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace deck {

// A zlib stream (RFC 1950) of `data`: one deflate block (RFC 1951) with Huffman codes made
// for it, from an LZ77 search with lazy matching over the whole 32 KiB window. Written here
// so that building the program needs nothing beyond a C++ compiler on any system.
std::vector<std::uint8_t> ZlibCompress(std::span<const std::uint8_t> data);

}  // namespace deck
