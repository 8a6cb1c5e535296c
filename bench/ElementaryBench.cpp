// The engine's own elementary functions and decimal reading against the C
// library's, which they replace (the C library's differ between platforms).
// Each pair runs on the same arguments: BM_Own/Sin beside BM_CLibrary/Sin.
// The target: the engine's own within twice the time of glibc's.

#include "engine/DecimalReading.h"
#include "math/Elementary.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <string>

namespace {

using Arguments = std::array<Extended, 8>;

// Small angles need no reduction; the others take the full one.
constexpr Arguments SmallAngles = {0.3L, -0.7L, 0.1L, 0.75L, -0.05L, 0.6L, 1e-5L, -0.4L};
constexpr Arguments Angles = {0.3L, 1.7L, 2.9L, 12.5L, 100.25L, -0.7L, 100000.3L, -4.4L};
constexpr Arguments HugeAngles = {1e19L,   3e100L,   -7e300L, 1e1000L,
                                  2e2000L, -5e3000L, 1e4000L, 9e4931L};
constexpr Arguments Exponents = {0.5L, -1.5L, 3, 12.25L, -20, 700, -7000, 11000};

struct Pair {
  const char* name;
  Extended (*own)(Extended);
  Extended (*library)(Extended);
  const Arguments* arguments;
};

const Pair Pairs[] = {
    {"Sin/small", Elementary::Sin, sinl, &SmallAngles},
    {"Sin", Elementary::Sin, sinl, &Angles},
    {"Sin/huge", Elementary::Sin, sinl, &HugeAngles},
    {"Cos", Elementary::Cos, cosl, &Angles},
    {"Cos/huge", Elementary::Cos, cosl, &HugeAngles},
    {"Tan/small", Elementary::Tan, tanl, &SmallAngles},
    {"Tan", Elementary::Tan, tanl, &Angles},
    {"Tan/huge", Elementary::Tan, tanl, &HugeAngles},
    {"Exp", Elementary::Exp, expl, &Exponents},
};

void Run(benchmark::State& state, Extended (*function)(Extended), const Arguments& arguments) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(function(arguments[i]));
    i = (i + 1) % arguments.size();
  }
  state.SetItemsProcessed(state.iterations());
}

// Texts of the kinds a calculator reads: short, long, and at the range's ends.
struct Reading {
  const char* digits;
  long long scale;
};
constexpr std::array<Reading, 6> Readings = {{{"12345", -2},
                                              {"1", -3},
                                              {"314159265358979323846", -20},
                                              {"7", 4924},
                                              {"36451995318824746025", -4970},
                                              {"602214076", 15}}};

void BM_Own_DecimalReading(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(engine::DecimalToExtended(Readings[i].digits, Readings[i].scale));
    i = (i + 1) % Readings.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_Own_DecimalReading);

void BM_CLibrary_DecimalReading(benchmark::State& state) {
  std::array<std::string, Readings.size()> texts;
  for (std::size_t i = 0; i < Readings.size(); ++i)
    texts[i] = std::string(Readings[i].digits) + "e" + std::to_string(Readings[i].scale);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::strtold(texts[i].c_str(), nullptr));
    i = (i + 1) % texts.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CLibrary_DecimalReading);

const bool Registered = [] {
  for (const Pair& p : Pairs) {
    benchmark::RegisterBenchmark((std::string("BM_Own/") + p.name).c_str(),
                                 [p](benchmark::State& state) { Run(state, p.own, *p.arguments); });
    benchmark::RegisterBenchmark(
        (std::string("BM_CLibrary/") + p.name).c_str(),
        [p](benchmark::State& state) { Run(state, p.library, *p.arguments); });
  }
  return true;
}();

} // namespace
