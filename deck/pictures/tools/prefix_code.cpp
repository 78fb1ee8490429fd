#include "deck/pictures/tools/prefix_code.h"

#include <algorithm>
#include <functional>
#include <queue>
#include <stdexcept>
#include <utility>

namespace deck {

namespace {

// The same lengths, the shortest to the most common symbol. Flattening can make unequal weights
// equal, and the tree then orders them by symbol instead.
std::vector<std::uint8_t> ShortestToMostCommon(const std::vector<std::uint8_t>& lengths,
                                               const std::vector<std::uint32_t>& weights) {
  std::vector<std::size_t> symbols;
  std::vector<std::uint8_t> used;
  for (std::size_t symbol = 0; symbol < lengths.size(); ++symbol) {
    if (lengths[symbol] == 0) continue;
    symbols.push_back(symbol);
    used.push_back(lengths[symbol]);
  }
  std::stable_sort(symbols.begin(), symbols.end(),
                   [&](std::size_t a, std::size_t b) { return weights[a] > weights[b]; });
  std::sort(used.begin(), used.end());
  std::vector<std::uint8_t> ordered(lengths.size(), 0);
  for (std::size_t rank = 0; rank < symbols.size(); ++rank) ordered[symbols[rank]] = used[rank];
  return ordered;
}

}  // namespace

std::vector<std::uint8_t> PrefixCodeLengths(std::vector<std::uint32_t> weights, int maxBits) {
  // Flattening ends, at the latest, with weights of one and two, whose tree is at most one
  // level deeper than a balanced one; beyond this many symbols that could exceed the limit.
  if (weights.size() < 2 || weights.size() > (std::size_t{1} << (maxBits - 1))) {
    throw std::invalid_argument("too many symbols for a code of that many bits");
  }
  for (std::size_t symbol = 0;
       std::count_if(weights.begin(), weights.end(), [](auto w) { return w > 0; }) < 2; ++symbol) {
    if (weights[symbol] == 0) weights[symbol] = 1;
  }
  const std::vector<std::uint32_t> original = weights;
  std::vector<std::uint8_t> lengths(weights.size(), 0);
  for (;;) {
    struct Node {
      std::size_t symbol;
      int parent;
    };
    std::vector<Node> nodes;
    using Entry = std::pair<std::uint64_t, int>;
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> queue;
    for (std::size_t symbol = 0; symbol < weights.size(); ++symbol) {
      if (weights[symbol] == 0) continue;
      queue.push({weights[symbol], static_cast<int>(nodes.size())});
      nodes.push_back({symbol, -1});
    }
    const std::size_t leaves = nodes.size();
    while (queue.size() > 1) {
      const auto [firstWeight, first] = queue.top();
      queue.pop();
      const auto [secondWeight, second] = queue.top();
      queue.pop();
      const int parent = static_cast<int>(nodes.size());
      nodes.push_back({0, -1});
      nodes[static_cast<std::size_t>(first)].parent = parent;
      nodes[static_cast<std::size_t>(second)].parent = parent;
      queue.push({firstWeight + secondWeight, parent});
    }
    int longest = 0;
    for (std::size_t leaf = 0; leaf < leaves; ++leaf) {
      int depth = 0;
      for (int at = nodes[leaf].parent; at >= 0; at = nodes[static_cast<std::size_t>(at)].parent) {
        ++depth;
      }
      lengths[nodes[leaf].symbol] = static_cast<std::uint8_t>(depth);
      longest = std::max(longest, depth);
    }
    if (longest <= maxBits) return ShortestToMostCommon(lengths, original);
    // Flatter weights make a shallower tree; the rarest symbols lose a little.
    for (auto& weight : weights) {
      if (weight > 0) weight = weight / 2 + 1;
    }
  }
}

}  // namespace deck
