// Display text per write of a display: the engine's texts for ordinary
// results, and the long texts a user can type or paste.

#include "display/format/DisplayFormat.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

using namespace engine;
using namespace display;

namespace {

const NumberSeparators Separators{'.', ","};

// Results from 1E-20 to 1E20 as the engine writes them: fixed, exponent
// part in the fixed range, and exponent form.
std::vector<std::string> EngineTexts() {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> mantissa(1, 10);
  std::uniform_int_distribution<int> exponent(-20, 20);
  std::vector<std::string> texts(1024);
  for (std::string& text : texts)
    text = NumberToText(mantissa(random) * std::pow(10.0L, exponent(random)) / 3, '.');
  return texts;
}

void BM_FormatDisplayText(benchmark::State& state) {
  const std::vector<std::string> texts = EngineTexts();
  std::size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(FormatDisplayText(texts[i++ % texts.size()], true, Separators));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatDisplayText);

void BM_FormatDisplayTextLong(benchmark::State& state) {
  // A long fraction: it always reads, and all but 18 characters are cut.
  std::string text(std::size_t(state.range(0)), '7');
  text[0] = '0';
  text[1] = '.';
  for (auto _ : state)
    benchmark::DoNotOptimize(FormatDisplayText(text, true, Separators));
  state.SetBytesProcessed(state.iterations() * state.range(0));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_FormatDisplayTextLong)->Arg(20)->Arg(1000)->Arg(100000)->Complexity(benchmark::oN);

} // namespace
