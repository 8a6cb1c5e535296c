// Number text against glibc on the same inputs, and the growth of reading
// and cleaning with the length of the text.

#include "engine/NumberText.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

using namespace engine;

namespace {

std::vector<Extended> OrdinaryNumbers() {
  std::mt19937_64 random(42);
  std::uniform_real_distribution<double> mantissa(1, 10);
  std::uniform_int_distribution<int> exponent(-20, 20);
  std::vector<Extended> numbers(1024);
  for (Extended& x : numbers)
    x = mantissa(random) * std::pow(10.0L, exponent(random)) / 3;
  return numbers;
}

std::vector<std::string> OrdinaryTexts() {
  std::vector<std::string> texts;
  for (Extended x : OrdinaryNumbers())
    texts.push_back(NumberToText(x, '.'));
  return texts;
}

void BM_NumberToText(benchmark::State& state) {
  const std::vector<Extended> numbers = OrdinaryNumbers();
  std::size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(NumberToText(numbers[i++ % numbers.size()], '.'));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_NumberToText);

void BM_SnprintfLe17(benchmark::State& state) {
  const std::vector<Extended> numbers = OrdinaryNumbers();
  std::size_t i = 0;
  char buffer[64];
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        std::snprintf(buffer, sizeof buffer, "%.17Le", numbers[i++ % numbers.size()]));
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_SnprintfLe17);

void BM_TextToNumber(benchmark::State& state) {
  const std::vector<std::string> texts = OrdinaryTexts();
  std::size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(TextToNumber(texts[i++ % texts.size()], '.'));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TextToNumber);

void BM_Strtold(benchmark::State& state) {
  const std::vector<std::string> texts = OrdinaryTexts();
  std::size_t i = 0;
  for (auto _ : state)
    benchmark::DoNotOptimize(std::strtold(texts[i++ % texts.size()].c_str(), nullptr));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Strtold);

// "777.7777...": long, but well inside the range.
std::string LongNumberText(std::size_t length) {
  std::string text(length, '7');
  text[3] = '.';
  return text;
}

void BM_TextToNumberLong(benchmark::State& state) {
  const std::string text = LongNumberText(std::size_t(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(TextToNumber(text, '.'));
  state.SetBytesProcessed(state.iterations() * state.range(0));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_TextToNumberLong)->Arg(1000)->Arg(100000)->Arg(1000000)->Complexity(benchmark::oN);

void BM_RemoveNonNumberLong(benchmark::State& state) {
  std::string text = LongNumberText(std::size_t(state.range(0)));
  for (std::size_t i = 3; i < text.size(); i += 4)
    text[i] = ',';
  for (auto _ : state)
    benchmark::DoNotOptimize(RemoveNonNumber(text, '.'));
  state.SetBytesProcessed(state.iterations() * state.range(0));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_RemoveNonNumberLong)->Arg(1000)->Arg(100000)->Arg(1000000)->Complexity(benchmark::oN);

} // namespace
