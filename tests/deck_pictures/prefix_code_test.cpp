#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <stdexcept>
#include <vector>

#include "deck/pictures/tools/prefix_code.h"

namespace {

// The Kraft sum, in units of 2^-maxBits: exactly 2^maxBits for a complete prefix code.
std::uint64_t KraftSum(const std::vector<std::uint8_t>& lengths, int maxBits) {
  std::uint64_t sum = 0;
  for (const std::uint8_t length : lengths) {
    if (length > 0) sum += std::uint64_t{1} << (maxBits - length);
  }
  return sum;
}

std::vector<std::uint32_t> Fibonacci(int count) {
  std::vector<std::uint32_t> weights = {1, 1};
  while (static_cast<int>(weights.size()) < count) {
    weights.push_back(weights[weights.size() - 1] + weights[weights.size() - 2]);
  }
  return weights;
}

std::vector<std::uint32_t> Reversed(std::vector<std::uint32_t> weights) {
  std::reverse(weights.begin(), weights.end());
  return weights;
}

std::vector<std::uint32_t> Shuffled(std::vector<std::uint32_t> weights) {
  std::shuffle(weights.begin(), weights.end(), std::mt19937(11));
  return weights;
}

struct Case {
  const char* name;
  std::vector<std::uint32_t> weights;
  int maxBits;
  std::vector<std::uint8_t> lengths;  // when the code is fixed by the weights
};

TEST(PrefixCode, IsCompleteFitsTheLimitAndGivesUnusedSymbolsNoCode) {
  const std::vector<Case> cases = {
      {"even weights", {5, 5, 5, 5}, 15, {2, 2, 2, 2}},
      {"one symbol twice as common as the rest", {2, 1, 1}, 15, {1, 2, 2}},
      {"unused symbols among used ones", {0, 3, 0, 1, 1}, 15, {0, 1, 0, 2, 2}},
      {"one symbol used", {0, 0, 9, 0}, 15, {1, 0, 1, 0}},
      {"none used", {0, 0, 0}, 15, {1, 1, 0}},
      {"Fibonacci weights deeper than 15 bits", Fibonacci(25), 15, {}},
      {"Fibonacci weights deeper than 7 bits", Fibonacci(19), 7, {}},
      {"Fibonacci weights deeper than 7 bits, the commonest first", Reversed(Fibonacci(19)), 7, {}},
      {"Fibonacci weights deeper than 15 bits, shuffled", Shuffled(Fibonacci(25)), 15, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<std::uint8_t> lengths = deck::PrefixCodeLengths(c.weights, c.maxBits);
    ASSERT_EQ(lengths.size(), c.weights.size());
    EXPECT_EQ(KraftSum(lengths, c.maxBits), std::uint64_t{1} << c.maxBits);
    EXPECT_LE(*std::max_element(lengths.begin(), lengths.end()), c.maxBits);
    if (!c.lengths.empty()) {
      EXPECT_EQ(lengths, c.lengths);
    }
    for (std::size_t symbol = 0; symbol < lengths.size(); ++symbol) {
      // A more common symbol never has the longer code.
      for (std::size_t other = 0; other < lengths.size(); ++other) {
        if (c.weights[symbol] > c.weights[other] && c.weights[other] > 0) {
          EXPECT_LE(lengths[symbol], lengths[other]) << symbol << " against " << other;
        }
      }
    }
  }
}

TEST(PrefixCode, RefusesAlphabetsTooLargeForTheLimit) {
  EXPECT_THROW(deck::PrefixCodeLengths({7}, 15), std::invalid_argument);
  EXPECT_THROW(deck::PrefixCodeLengths(std::vector<std::uint32_t>(65, 1), 7), std::invalid_argument);
}

}  // namespace
