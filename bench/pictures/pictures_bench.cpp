// Cost of a card picture's PNG stream: decoding it (with the tests' own
// strict PNG reader, zlib inflate and the row filters), and the size of all
// the embedded PNGs together (counter embedded_png_bytes).

#include <benchmark/benchmark.h>

#include <cstddef>
#include <cstdint>
#include <span>

#include "deck/pictures/card_pictures.h"
#include "tests/support/png_reader.h"

namespace {

void BM_DecodePicture(benchmark::State& state) {
  const std::span<const std::uint8_t> png = deck::CardPicturePng(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    DecodedPng image = DecodePng(png);
    benchmark::DoNotOptimize(image.rgba.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(png.size()));
}
BENCHMARK(BM_DecodePicture)->Arg(1)->Arg(39)->Arg(85)->Arg(102);

void BM_ReadAllEmbeddedPictures(benchmark::State& state) {
  std::size_t total = 0;
  for (auto _ : state) {
    total = 0;
    for (int card = 1; card <= deck::kCardCount; ++card) {
      total += deck::CardPicturePng(card).size();
    }
    benchmark::DoNotOptimize(total);
  }
  state.counters["embedded_png_bytes"] = static_cast<double>(total);
}
BENCHMARK(BM_ReadAllEmbeddedPictures);

}  // namespace
