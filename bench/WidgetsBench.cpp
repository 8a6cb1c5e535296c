// The push button's costs: building one gradient image (done on size,
// quality and colour changes only) against one full paint of the button
// from its cached images (done on every repaint).

#include "widgets/DxButton.h"
#include "widgets/Gradient.h"

#include <benchmark/benchmark.h>

#include "QtBench.h"

#include <QPainter>

using namespace widgets;

namespace {

void BM_BuildGradient(benchmark::State& state) {
  const auto quality = static_cast<TdxQuality>(state.range(0));
  for (auto _ : state) {
    QImage image = BuildGradient({71, 23}, QColor(255, 206, 207), QColor(255, 155, 157), quality);
    benchmark::DoNotOptimize(image);
  }
}
BENCHMARK(BM_BuildGradient)->Arg(bqLow)->Arg(bqMiddle)->Arg(bqHigh);

void BM_PaintButton(benchmark::State& state) {
  BenchApplication();
  TdxButton button;
  button.SetCaption("BACK");
  QImage target(button.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    button.render(&target);
    benchmark::DoNotOptimize(target);
  }
}
BENCHMARK(BM_PaintButton);

} // namespace
