#include "deck/pictures/tools/deflate.h"

#include "deck/pictures/tools/prefix_code.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>

namespace deck {
namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::size_t kWindow = 32768;
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 258;
// How many earlier places with the same first three bytes a search tries. The pictures'
// black fields end every search at once with a full-length match; only the lights' edges
// search far.
constexpr int kMaxChain = 4096;

constexpr std::array<std::uint16_t, 29> kLengthBase = {
    3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
    31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr std::array<std::uint8_t, 29> kLengthExtraBits = {
    0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr std::array<std::uint16_t, 30> kDistanceBase = {
    1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
    193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr std::array<std::uint8_t, 30> kDistanceExtraBits = {
    0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

constexpr std::size_t kEndOfBlock = 256;
constexpr std::size_t kFirstLengthSymbol = 257;
constexpr int kMaxCodeBits = 15;
constexpr int kMaxCodeLengthCodeBits = 7;
// The order in which the code-length code's own lengths are sent.
constexpr std::array<std::uint8_t, 19> kCodeLengthOrder = {16, 17, 18, 0, 8,  7, 9,  6, 10, 5,
                                                           11, 4,  12, 3, 13, 2, 14, 1, 15};

// Where `value` falls in a table of ascending bases.
template <std::size_t N>
std::size_t BucketOf(const std::array<std::uint16_t, N>& bases, std::size_t value) {
  return static_cast<std::size_t>(std::upper_bound(bases.begin(), bases.end(), value) -
                                  bases.begin()) - 1;
}

// A literal byte (distance 0) or a copy of `value` bytes from `distance` back.
struct Token {
  std::uint16_t value;
  std::uint16_t distance;
};

struct Match {
  std::size_t length = 0;
  std::size_t distance = 0;
};

class MatchFinder {
 public:
  explicit MatchFinder(std::span<const std::uint8_t> data)
      : data_(data), head_(kHashSize, kNone), previous_(kWindow, kNone) {}

  // The longest earlier copy of the bytes at `at`, among those already inserted.
  Match Longest(std::size_t at) const {
    Match best;
    if (at + kMinMatch > data_.size()) return best;
    const std::size_t limit = std::min(kMaxMatch, data_.size() - at);
    int chain = kMaxChain;
    for (std::size_t from = head_[Hash(at)]; from != kNone && at - from <= kWindow && chain-- > 0;
         from = previous_[from % kWindow]) {
      // A place that cannot beat the best so far usually shows it at the byte that would.
      if (data_[from + best.length] != data_[at + best.length]) continue;
      std::size_t length = 0;
      while (length < limit && data_[from + length] == data_[at + length]) ++length;
      if (length > best.length) {
        best = {length, at - from};
        if (length == limit) break;
      }
    }
    if (best.length < kMinMatch) best = {};
    return best;
  }

  // Only places before the one being searched are inserted, so a chain never meets a slot
  // that a later place has taken over.
  void Insert(std::size_t at) {
    if (at + kMinMatch > data_.size()) return;
    const std::size_t hash = Hash(at);
    previous_[at % kWindow] = head_[hash];
    head_[hash] = at;
  }

 private:
  static constexpr std::size_t kHashBits = 15;
  static constexpr std::size_t kHashSize = std::size_t{1} << kHashBits;
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  std::size_t Hash(std::size_t at) const {
    const std::uint32_t triple = data_[at] | (data_[at + 1] << 8) | (data_[at + 2] << 16);
    return (triple * 2654435761u) >> (32 - kHashBits);
  }

  std::span<const std::uint8_t> data_;
  std::vector<std::size_t> head_;
  std::vector<std::size_t> previous_;
};

// LZ77 with one step of lazy matching: a match is put off when the next place has a longer one.
std::vector<Token> Tokenise(std::span<const std::uint8_t> data) {
  std::vector<Token> tokens;
  MatchFinder finder(data);
  std::optional<Match> ahead;
  std::size_t at = 0;
  while (at < data.size()) {
    const Match match = ahead ? *ahead : finder.Longest(at);
    ahead.reset();
    finder.Insert(at);
    if (match.length > 0 && match.length < kMaxMatch && at + 1 < data.size()) {
      const Match next = finder.Longest(at + 1);
      if (next.length > match.length) ahead = next;
    }
    if (match.length == 0 || ahead) {
      tokens.push_back({data[at], 0});
      ++at;
      continue;
    }
    tokens.push_back({static_cast<std::uint16_t>(match.length),
                      static_cast<std::uint16_t>(match.distance)});
    for (std::size_t skipped = at + 1; skipped < at + match.length; ++skipped) {
      finder.Insert(skipped);
    }
    at += match.length;
  }
  return tokens;
}

struct Code {
  std::uint16_t bits;  // reversed, to go out first bit first
  std::uint8_t length;
};

// The canonical codes of RFC 1951 for these lengths.
std::vector<Code> CanonicalCodes(const std::vector<std::uint8_t>& lengths) {
  std::array<int, kMaxCodeBits + 1> count{};
  for (const std::uint8_t length : lengths) ++count[length];
  count[0] = 0;
  std::array<int, kMaxCodeBits + 1> next{};
  for (int bits = 1, code = 0; bits <= kMaxCodeBits; ++bits) {
    code = (code + count[static_cast<std::size_t>(bits - 1)]) << 1;
    next[static_cast<std::size_t>(bits)] = code;
  }
  std::vector<Code> codes(lengths.size(), Code{0, 0});
  for (std::size_t symbol = 0; symbol < lengths.size(); ++symbol) {
    const std::uint8_t length = lengths[symbol];
    if (length == 0) continue;
    const int code = next[length]++;
    std::uint16_t reversed = 0;
    for (int bit = 0; bit < length; ++bit) {
      reversed = static_cast<std::uint16_t>((reversed << 1) | ((code >> bit) & 1));
    }
    codes[symbol] = {reversed, length};
  }
  return codes;
}

// Deflate packs its fields from the least significant bit of each byte.
class BitWriter {
 public:
  explicit BitWriter(Bytes& out) : out_(out) {}

  void Put(std::uint32_t value, int count) {
    pending_ |= value << pending_count_;
    pending_count_ += count;
    while (pending_count_ >= 8) {
      out_.push_back(static_cast<std::uint8_t>(pending_));
      pending_ >>= 8;
      pending_count_ -= 8;
    }
  }
  void Put(const Code& code) { Put(code.bits, code.length); }

  void Flush() {
    if (pending_count_ > 0) out_.push_back(static_cast<std::uint8_t>(pending_));
    pending_ = 0;
    pending_count_ = 0;
  }

 private:
  Bytes& out_;
  std::uint32_t pending_ = 0;
  int pending_count_ = 0;
};

// A symbol of the code-length alphabet, with the repeat count its extra bits carry.
struct CodeLengthToken {
  std::uint8_t symbol;
  std::uint8_t extra;
};

constexpr std::uint8_t kRepeatPrevious = 16;  // 3-6 times, 2 extra bits
constexpr std::uint8_t kShortZeroRun = 17;    // 3-10 zeros, 3 extra bits
constexpr std::uint8_t kLongZeroRun = 18;     // 11-138 zeros, 7 extra bits

int ExtraBitsOf(std::uint8_t codeLengthSymbol) {
  switch (codeLengthSymbol) {
    case kRepeatPrevious: return 2;
    case kShortZeroRun: return 3;
    case kLongZeroRun: return 7;
    default: return 0;
  }
}

std::vector<CodeLengthToken> RunLengths(const std::vector<std::uint8_t>& lengths) {
  std::vector<CodeLengthToken> tokens;
  for (std::size_t at = 0; at < lengths.size();) {
    const std::uint8_t length = lengths[at];
    std::size_t run = 1;
    while (at + run < lengths.size() && lengths[at + run] == length) ++run;
    at += run;
    auto repeat = [&](std::uint8_t symbol, std::size_t least, std::size_t most) {
      while (run >= least) {
        const std::size_t taken = std::min(run, most);
        tokens.push_back({symbol, static_cast<std::uint8_t>(taken - least)});
        run -= taken;
      }
    };
    if (length == 0) {
      repeat(kLongZeroRun, 11, 138);
      repeat(kShortZeroRun, 3, 10);
    } else {
      tokens.push_back({length, 0});
      --run;
      repeat(kRepeatPrevious, 3, 6);
    }
    for (; run > 0; --run) tokens.push_back({length, 0});
  }
  return tokens;
}

// How many of the lengths are sent: up to the last used one, and at least `least`.
std::size_t SentCount(const std::vector<std::uint8_t>& lengths, std::size_t least) {
  std::size_t count = lengths.size();
  while (count > least && lengths[count - 1] == 0) --count;
  return count;
}

std::uint32_t Adler32(std::span<const std::uint8_t> data) {
  constexpr std::uint32_t kModulus = 65521;
  std::uint32_t low = 1;
  std::uint32_t high = 0;
  for (const std::uint8_t byte : data) {
    low = (low + byte) % kModulus;
    high = (high + low) % kModulus;
  }
  return (high << 16) | low;
}

}  // namespace

std::vector<std::uint8_t> ZlibCompress(std::span<const std::uint8_t> data) {
  const std::vector<Token> tokens = Tokenise(data);

  std::vector<std::uint32_t> literalWeights(kFirstLengthSymbol + kLengthBase.size(), 0);
  std::vector<std::uint32_t> distanceWeights(kDistanceBase.size(), 0);
  literalWeights[kEndOfBlock] = 1;
  for (const Token& token : tokens) {
    if (token.distance == 0) {
      ++literalWeights[token.value];
    } else {
      ++literalWeights[kFirstLengthSymbol + BucketOf(kLengthBase, token.value)];
      ++distanceWeights[BucketOf(kDistanceBase, token.distance)];
    }
  }
  std::vector<std::uint8_t> literalLengths = PrefixCodeLengths(literalWeights, kMaxCodeBits);
  std::vector<std::uint8_t> distanceLengths = PrefixCodeLengths(distanceWeights, kMaxCodeBits);
  const std::vector<Code> literalCodes = CanonicalCodes(literalLengths);
  const std::vector<Code> distanceCodes = CanonicalCodes(distanceLengths);
  literalLengths.resize(SentCount(literalLengths, kFirstLengthSymbol));
  distanceLengths.resize(SentCount(distanceLengths, 1));

  // Both tables' lengths go out as one sequence; a run may cross from one into the other.
  std::vector<std::uint8_t> allLengths = literalLengths;
  allLengths.insert(allLengths.end(), distanceLengths.begin(), distanceLengths.end());
  const std::vector<CodeLengthToken> lengthTokens = RunLengths(allLengths);
  std::vector<std::uint32_t> codeLengthWeights(kCodeLengthOrder.size(), 0);
  for (const CodeLengthToken& token : lengthTokens) ++codeLengthWeights[token.symbol];
  const std::vector<std::uint8_t> codeLengthLengths =
      PrefixCodeLengths(codeLengthWeights, kMaxCodeLengthCodeBits);
  const std::vector<Code> codeLengthCodes = CanonicalCodes(codeLengthLengths);
  std::vector<std::uint8_t> codeLengthLengthsInOrder;
  for (const std::uint8_t symbol : kCodeLengthOrder) {
    codeLengthLengthsInOrder.push_back(codeLengthLengths[symbol]);
  }
  codeLengthLengthsInOrder.resize(SentCount(codeLengthLengthsInOrder, 4));

  // CMF 0x78: deflate with a 32 KiB window; FLG 0xDA: strongest level, and CMF·256 + FLG
  // divisible by 31.
  Bytes out = {0x78, 0xDA};
  BitWriter bits(out);
  constexpr int kFinalBlock = 1;
  constexpr int kDynamicCodes = 2;
  bits.Put(kFinalBlock, 1);
  bits.Put(kDynamicCodes, 2);
  bits.Put(static_cast<std::uint32_t>(literalLengths.size() - kFirstLengthSymbol), 5);
  bits.Put(static_cast<std::uint32_t>(distanceLengths.size() - 1), 5);
  bits.Put(static_cast<std::uint32_t>(codeLengthLengthsInOrder.size() - 4), 4);
  for (const std::uint8_t length : codeLengthLengthsInOrder) bits.Put(length, 3);
  for (const CodeLengthToken& token : lengthTokens) {
    bits.Put(codeLengthCodes[token.symbol]);
    bits.Put(token.extra, ExtraBitsOf(token.symbol));
  }
  for (const Token& token : tokens) {
    if (token.distance == 0) {
      bits.Put(literalCodes[token.value]);
      continue;
    }
    const std::size_t length = BucketOf(kLengthBase, token.value);
    bits.Put(literalCodes[kFirstLengthSymbol + length]);
    bits.Put(token.value - kLengthBase[length], kLengthExtraBits[length]);
    const std::size_t distance = BucketOf(kDistanceBase, token.distance);
    bits.Put(distanceCodes[distance]);
    bits.Put(token.distance - kDistanceBase[distance], kDistanceExtraBits[distance]);
  }
  bits.Put(literalCodes[kEndOfBlock]);
  bits.Flush();

  const std::uint32_t checksum = Adler32(data);
  for (int shift = 24; shift >= 0; shift -= 8) {
    out.push_back(static_cast<std::uint8_t>(checksum >> shift));
  }
  return out;
}

}  // namespace deck
