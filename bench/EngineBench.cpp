// Engine actions per second: digit entry, an operation, Equal, a memory action.

#include "engine/CalculatorForm.h"

#include <benchmark/benchmark.h>

using namespace engine;

namespace {

void BM_DigitEntry(benchmark::State& state) {
  TCVCalculator calculator;
  LoadCalculatorForm(calculator);
  int typed = 0;
  for (auto _ : state) {
    // Restart the number now and then so the text stays short.
    if (++typed == 12) {
      calculator.SetAction(caClearEntr);
      typed = 0;
    }
    calculator.SetAction(ca7);
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_DigitEntry);

void BM_Operation(benchmark::State& state) {
  TCVCalculator calculator;
  LoadCalculatorForm(calculator);
  calculator.SetAction(ca3);
  for (auto _ : state) {
    calculator.SetAction(caPlus); // only replaces the operation once it runs
    calculator.SetAction(caMulty);
  }
  state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_Operation);

void BM_Equal(benchmark::State& state) {
  TCVCalculator calculator;
  LoadCalculatorForm(calculator);
  for (const TCalcAction action : {caClear, ca1, caPlus, ca1, caEqual})
    calculator.SetAction(action);
  for (auto _ : state)
    calculator.SetAction(caEqual); // repeated Equal: one addition each
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Equal);

void BM_MemoryPlus(benchmark::State& state) {
  TCVCalculator calculator;
  LoadCalculatorForm(calculator);
  calculator.SetAction(ca3);
  for (auto _ : state) {
    calculator.SetAction(caMemPlus);
    calculator.SetAction(caMemMinus);
  }
  state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_MemoryPlus);

} // namespace
