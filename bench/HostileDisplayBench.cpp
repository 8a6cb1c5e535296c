// A number display holding a text far wider than itself (a zero with a
// million decimals is shown as typed): writing it, then each repaint.

#include "display/CalcIndicator.h"
#include "widgets/look/Fonts.h"

#include <benchmark/benchmark.h>

#include "QtBench.h"

#include <QImage>

#include <string>

using namespace look;

namespace {

std::string LongZero(std::size_t decimals, const char* exponent) {
  return "0." + std::string(decimals, '0') + exponent;
}

void BM_IndicatorWriteAndPaintLongText(benchmark::State& state) {
  BenchApplication();
  TCVCalcIndicator indicator;
  indicator.setFont(IndicatorFont());
  QImage target(indicator.size(), QImage::Format_RGB32);
  const std::string texts[] = {LongZero(std::size_t(state.range(0)), ""),
                               LongZero(std::size_t(state.range(0)), "E5")};
  std::size_t i = 0;
  for (auto _ : state) {
    indicator.SetText(texts[i++ % 2]);
    indicator.render(&target);
    benchmark::DoNotOptimize(target);
  }
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_IndicatorWriteAndPaintLongText)
    ->RangeMultiplier(100)
    ->Range(100, 1000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

void BM_IndicatorRepaintLongText(benchmark::State& state) {
  BenchApplication();
  TCVCalcIndicator indicator;
  indicator.setFont(IndicatorFont());
  indicator.SetText(LongZero(std::size_t(state.range(0)), ""));
  QImage target(indicator.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    indicator.render(&target);
    benchmark::DoNotOptimize(target);
  }
}
BENCHMARK(BM_IndicatorRepaintLongText)->Arg(100)->Arg(1000000)->Unit(benchmark::kMicrosecond);

} // namespace
