// The settings store with large files, through LoadSettings and SaveSettings
// as the window's start and close run them: files of up to 100 MB of blank
// lines, comment lines, small foreign values or small foreign keys. Reports the longest load and
// save (counters "load_ms", "save_ms", with the file flushed to disk) and the
// peak memory above what the process held before, as a multiple of the
// file's size ("peak_per_file_byte"; the target is at most 3).

#include "settings/USet.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

// The process's resident memory now and its peak since the last reset, in
// bytes (Linux: /proc/self/status).
std::size_t StatusKilobytes(const std::string& field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.starts_with(field + ":")) return std::stoul(line.substr(field.size() + 1)) * 1024;
  return 0;
}

void ResetPeak() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

std::string Filler(int kind) {
  switch (kind) {
  case 0: return "\n";
  case 1: return "; a comment line\n";
  case 2: return "\"Other\"=dword:00000001\n";
  default: return "[HKEY_CURRENT_USER\\Software\\Other]\n\"A\"=\"1\"\n";
  }
}

// A settings file of `megabytes` MB, less a little so that 100 stays under the limit.
fs::path MakeFile(const fs::path& home, int kind, std::size_t megabytes) {
  const fs::path file = home / "Corvane" / "Tallyon.reg";
  fs::create_directories(file.parent_path());
  std::ofstream out(file, std::ios::binary);
  out << "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon]\n\"Value\"=\"5\"\n";
  const std::string line = Filler(kind);
  std::string block;
  block.reserve((1 << 20) + line.size());
  while (block.size() < (1 << 20))
    block.append(line.data(), line.size());
  for (std::size_t written = 0; written + block.size() < (megabytes << 20) - 4096;
       written += block.size())
    out << block;
  return file;
}

void BM_SettingsLoadAndSave(benchmark::State& state) {
  std::string pattern = (fs::temp_directory_path() / "tallyon-bench-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) return state.SkipWithError("no temporary folder");
  const fs::path home = pattern;
  ::setenv("XDG_CONFIG_HOME", home.c_str(), 1);
  const fs::path file = MakeFile(home, int(state.range(0)), std::size_t(state.range(1)));
  const double size = double(fs::file_size(file));
  double peak = 0, load = 0, save = 0;
  const auto milliseconds = [](auto from) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - from)
        .count();
  };
  for (auto _ : state) {
    const std::size_t before = StatusKilobytes("VmRSS");
    ResetPeak();
    const auto start = std::chrono::steady_clock::now();
    USet::LoadSettings();
    load = std::max(load, milliseconds(start));
    USet::Value.assign(1, '6'); // (assigning a literal trips a false -Wrestrict in GCC 12)
    const auto close = std::chrono::steady_clock::now();
    USet::SaveSettings();
    save = std::max(save, milliseconds(close));
    peak = std::max(peak, double(StatusKilobytes("VmHWM") - before) / size);
  }
  state.counters["load_ms"] = load;
  state.counters["save_ms"] = save;
  state.counters["peak_per_file_byte"] = peak;
  state.counters["file_MB"] = size / (1 << 20);
  fs::remove_all(home);
}
// Kinds: 0 blank lines, 1 comment lines, 2 small values of no interest in
// the program's key, 3 small keys of another program's.
BENCHMARK(BM_SettingsLoadAndSave)
    ->ArgsProduct({{0, 1, 2, 3}, {10, 100}})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

} // namespace
