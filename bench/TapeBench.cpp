// The tape's cost per "=": the chain text of the finished calculation and
// its line appended to the tape file (opened, written and closed each time,
// the compaction past 2,000 lines included), from an empty tape and from a
// full one; and the reading of a full tape's file, which the window does
// after its first frame.

#include "engine/Calculator.h"
#include "ui/TapeChain.h"
#include "ui/TapeJournal.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

fs::path TemporaryTape() {
  std::string pattern = (fs::temp_directory_path() / "tallyon-tape-bench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) std::abort();
  return fs::path(pattern) / "Tallyon.tape";
}

// A tape file of `entries` calculations.
void Fill(const fs::path& file, std::size_t entries) {
  ui::TTapeJournal journal(file);
  for (std::size_t i = 0; i < entries; ++i)
    journal.Add({"1,234.5 \u00D7 " + std::to_string(i) + " = 2,469", Extended(i) / 7, 0});
}

// One "2 + 3 =" per iteration, timed from the "=" through its entry's
// append; the keys before it are not timed.
void BM_TapeEqual(benchmark::State& state) {
  const fs::path file = TemporaryTape();
  Fill(file, std::size_t(state.range(0)));
  ui::TTapeJournal journal(file);
  journal.Load();
  ui::TTapeChain chain;
  TCVCalculator engine;
  for (auto _ : state) {
    state.PauseTiming();
    for (const TCalcAction action : {caClear, ca2, caPlus, ca3}) {
      chain.Before(engine, action);
      engine.SetAction(action);
      chain.After(engine);
    }
    state.ResumeTiming();
    chain.Before(engine, caEqual);
    engine.SetAction(caEqual);
    auto entry = chain.After(engine);
    if (!entry || !journal.Add(std::move(*entry))) state.SkipWithError("no entry written");
  }
  fs::remove_all(file.parent_path());
}
BENCHMARK(BM_TapeEqual)->Arg(0)->Arg(1000)->Unit(benchmark::kMicrosecond);

void BM_TapeLoad(benchmark::State& state) {
  const fs::path file = TemporaryTape();
  Fill(file, std::size_t(state.range(0)));
  for (auto _ : state) {
    ui::TTapeJournal journal(file);
    if (!journal.Load()) state.SkipWithError("not read");
    benchmark::DoNotOptimize(journal.Entries().size());
  }
  fs::remove_all(file.parent_path());
}
BENCHMARK(BM_TapeLoad)->Arg(0)->Arg(1000)->Arg(2000)->Unit(benchmark::kMicrosecond);

} // namespace
