#pragma once

#include <cstdint>
#include <vector>

namespace deck {

// The bit lengths of a prefix code for symbols of these weights, none longer than `maxBits`:
// Huffman's code, or where that is too deep, Huffman's code for flattened weights. Symbols of
// weight 0 get no code (length 0), except that two symbols at least get one, so that the code
// is always complete. A more common symbol never has the longer code. At most 2^(maxBits-1)
// symbols.
std::vector<std::uint8_t> PrefixCodeLengths(std::vector<std::uint32_t> weights, int maxBits);

}  // namespace deck
