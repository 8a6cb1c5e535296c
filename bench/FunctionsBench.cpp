// Time per call of each scientific function, and of each function action on
// the engine (which adds the angle conversion, the number text of the result
// and the state update). Every function cycles through eight arguments of its
// domain so that no single fast path is measured.

#include "engine/CalculatorForm.h"
#include "math/CVMath.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

using namespace engine;

namespace {

using namespace CVMath;
using Arguments = std::array<Extended, 8>;

constexpr Arguments Angles = {0.3L, 1.7L, 2.9L, 12.5L, 100.25L, -0.7L, 100000.3L, -4.4L};
constexpr Arguments UnitRange = {0.1L, -0.3L, 0.5L, 0.65L, 0.75L, -0.85L, 0.95L, 0.2L};
constexpr Arguments Slopes = {0.1L, -3, 7.5L, 1000, -0.02L, 40, 0.9L, -1.5L};
constexpr Arguments Hyperbolic = {0.1L, -0.5L, 1.5L, 3, -7, 20, 0.8L, 2.2L};
constexpr Arguments Positive = {0.1L, 0.5L, 1.5L, 3, 7, 20, 0.8L, 2.2L};
constexpr Arguments AboveOne = {1.1L, 1.5L, 2, 3, 7, 20, 100, 2.2L};
constexpr Arguments OutsideOne = {1.1L, -1.5L, 2, 3, -7, 20, 100, -2.2L};
constexpr Arguments InsideOne = {0.1L, -0.5L, 0.3L, 0.9L, -0.7L, 0.05L, 0.6L, -0.2L};
constexpr Arguments Roots = {-8, 27, 0.5L, 1e10L, -3, 7, 1e-5L, 100};

template <typename Function>
void Run(benchmark::State& state, Function function, const Arguments& arguments) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(function(arguments[i]));
    i = (i + 1) % arguments.size();
  }
  state.SetItemsProcessed(state.iterations());
}

struct UnaryFunction {
  const char* name;
  Extended (*function)(Extended);
  const Arguments* arguments;
};

const UnaryFunction UnaryFunctions[] = {
    {"Sin", Sin, &Angles},          {"Cos", Cos, &Angles},          {"Tg", Tg, &Angles},
    {"Ctg", Ctg, &Angles},          {"Sec", Sec, &Angles},          {"Cosec", Cosec, &Angles},
    {"TgRaw", TgRaw, &Angles},      {"CtgRaw", CtgRaw, &Angles},    {"ArcSin", ArcSin, &UnitRange},
    {"ArcCos", ArcCos, &UnitRange}, {"ArcTg", ArcTg, &Slopes},      {"ArcCtg", ArcCtg, &Slopes},
    {"Sh", Sh, &Hyperbolic},        {"Ch", Ch, &Hyperbolic},        {"Th", Th, &Hyperbolic},
    {"Cth", Cth, &Hyperbolic},      {"Sech", Sech, &Hyperbolic},    {"Cosech", Cosech, &Hyperbolic},
    {"ArSh", ArSh, &Positive},      {"ArCh", ArCh, &AboveOne},      {"ArTh", ArTh, &InsideOne},
    {"ArCth", ArCth, &OutsideOne},  {"CubeRoot", CubeRoot, &Roots},
};

void BM_ArcTg2(benchmark::State& state) {
  Run(
      state, [](Extended x) { return ArcTg2(x, 1 - x); }, Slopes);
}
BENCHMARK(BM_ArcTg2);

void BM_ArcTg2Raw(benchmark::State& state) {
  Run(
      state, [](Extended x) { return ArcTg2Raw(x, 1 - x); }, Slopes);
}
BENCHMARK(BM_ArcTg2Raw);

void BM_Sign(benchmark::State& state) {
  Run(
      state, [](Extended x) { return Sign(x); }, Slopes);
}
BENCHMARK(BM_Sign);

void BM_PiValue(benchmark::State& state) {
  for (auto _ : state)
    benchmark::DoNotOptimize(PiValue());
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PiValue);

// The factorial multiplies once per factor, so its time grows with n.
void BM_Factorial(benchmark::State& state) {
  const auto n = static_cast<Extended>(state.range(0));
  for (auto _ : state)
    benchmark::DoNotOptimize(Factorial(n));
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Factorial)->Arg(5)->Arg(20)->Arg(170)->Arg(1754);

// Each iteration assigns the argument's text (which reads it) and performs
// the action; BM_FunctionAction_SetValueOnly is the share of the first step.
struct ActionCase {
  TCalcAction action;
  const char* argument;
};

const ActionCase ActionCases[] = {
    {caSin, "30"},     {caCos, "30"},       {caTg, "30"},      {caCtg, "30"},    {caSec, "30"},
    {caCosec, "30"},   {caArcSin, "0.5"},   {caArcCos, "0.5"}, {caArcTg, "0.5"}, {caArcCtg, "0.5"},
    {caSh, "0.5"},     {caCh, "0.5"},       {caTh, "0.5"},     {caCth, "0.5"},   {caSech, "0.5"},
    {caCosech, "0.5"}, {caArSh, "0.5"},     {caArCh, "2"},     {caArTh, "0.5"},  {caArCth, "2"},
    {caLn, "0.5"},     {caLg, "0.5"},       {caExp, "0.5"},    {ca3root, "27"},  {caSqr, "0.5"},
    {caX3, "0.5"},     {caFactorial, "20"}, {caPI, "7"},
};

void RunAction(benchmark::State& state, const ActionCase& c) {
  TCVCalculator calculator;
  LoadCalculatorForm(calculator);
  calculator.SetAngularMeasure(amDeg);
  const std::string argument = c.argument;
  for (auto _ : state) {
    calculator.SetValue(argument);
    calculator.SetAction(c.action);
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_FunctionAction_SetValueOnly(benchmark::State& state) {
  TCVCalculator calculator;
  LoadCalculatorForm(calculator);
  const std::string texts[] = {"30", "0.5"};
  std::size_t i = 0;
  for (auto _ : state) {
    calculator.SetValue(texts[i]); // alternating, so every assignment reads
    i ^= 1;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FunctionAction_SetValueOnly);

// One benchmark per function and per action, named after it.
const bool Registered = [] {
  for (const UnaryFunction& f : UnaryFunctions)
    benchmark::RegisterBenchmark(
        (std::string("BM_") + f.name).c_str(),
        [f](benchmark::State& state) { Run(state, f.function, *f.arguments); });
  for (const ActionCase& c : ActionCases)
    benchmark::RegisterBenchmark(
        (std::string("BM_FunctionAction_") + std::string(ActionName(c.action))).c_str(),
        [c](benchmark::State& state) { RunAction(state, c); });
  return true;
}();

} // namespace
