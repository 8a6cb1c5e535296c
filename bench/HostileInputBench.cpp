// Hostile text on the paths where outside text enters: a pasted clipboard
// text (clean, read, write back), a stored value written to a display, and
// the settings file read and written. Time must grow with the length only
// linearly; a million digits take well under a second.

#include "display/format/DisplayFormat.h"
#include "engine/NumberText.h"
#include "platform/RegistryFile.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

using namespace engine;
using namespace display;

namespace {

const NumberSeparators Separators{'.', ","};

// Clipboard-like junk: digits, letters, spaces, separators, invalid UTF-8
// and NUL bytes, in a fixed random mix.
std::string Junk(std::size_t length) {
  static const char alphabet[] = "0123456789 .,-+eE$%abcXYZ\t\r\n\xff\xfe\xc3";
  std::mt19937 random(5);
  std::uniform_int_distribution<std::size_t> pick(0, sizeof alphabet - 1); // the NUL too
  std::string text(length, '\0');
  for (char& c : text)
    c = alphabet[pick(random)];
  return text;
}

// The paste path without the clipboard: what becomes the value.
std::string Pasted(const std::string& clipboard) {
  const std::optional<Extended> number = TryTextToNumber(RemoveNonNumber(clipboard, '.'), '.');
  return number ? NumberToText(*number, '.') : "kept";
}

void BM_PasteJunk(benchmark::State& state) {
  const std::string clipboard = Junk(std::size_t(state.range(0)));
  for (auto _ : state)
    benchmark::DoNotOptimize(Pasted(clipboard));
  state.SetBytesProcessed(state.iterations() * state.range(0));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_PasteJunk)
    ->RangeMultiplier(100)
    ->Range(1 << 10, 100 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// A million digits: too large a number, so the value is kept; the same with
// a separator after the first digit reads as a number.
void BM_PasteMillionDigits(benchmark::State& state) {
  std::string clipboard(1000000, '7');
  if (state.range(0) == 1) clipboard[1] = '.';
  for (auto _ : state)
    benchmark::DoNotOptimize(Pasted(clipboard));
}
BENCHMARK(BM_PasteMillionDigits)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Ten thousand exponent digits: reading stops once the exponent reaches
// 500; with leading zeros the exponent stays small and the text reads.
void BM_TenThousandExponentDigits(benchmark::State& state) {
  std::string text = "1E" + std::string(10000, state.range(0) == 0 ? '9' : '0') + "5";
  for (auto _ : state)
    benchmark::DoNotOptimize(TryTextToNumber(text, '.'));
}
BENCHMARK(BM_TenThousandExponentDigits)->Arg(0)->Arg(1);

// What a display does with a stored text: a million digits fail to read; a
// zero with a million decimals is shown as typed.
void BM_DisplayMillionCharacters(benchmark::State& state) {
  const std::string text =
      state.range(0) == 0 ? std::string(1000000, '7') : "0." + std::string(1000000, '0');
  for (auto _ : state) {
    try {
      benchmark::DoNotOptimize(DisplayTextOf(text, true, Separators));
    } catch (const EConvertError& error) {
      benchmark::DoNotOptimize(error.what());
    }
  }
}
BENCHMARK(BM_DisplayMillionCharacters)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

const char* const kKey = "HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon";

// A settings file whose Value is `length` digits: read, set, write.
void BM_SettingsFileLongValue(benchmark::State& state) {
  const std::string value(std::size_t(state.range(0)), '7');
  const std::string text = std::string("REGEDIT4\n\n[") + kKey + "]\n\"Value\"=\"" + value +
                           "\"\n\"ShowIn\"=dword:00000001\n";
  for (auto _ : state) {
    auto file = platform::RegistryFile::Parse(text);
    file->Set(kKey, "Value", platform::RegistryValue::Text(value));
    benchmark::DoNotOptimize(file->Text());
  }
  state.SetBytesProcessed(state.iterations() * state.range(0));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SettingsFileLongValue)
    ->RangeMultiplier(100)
    ->Range(1 << 10, 10 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

// A binary value wrapped over `lines` lines, each ended by a backslash.
void BM_SettingsFileWrappedValue(benchmark::State& state) {
  std::string text = std::string("REGEDIT4\n\n[") + kKey + "]\n\"Blob\"=hex:00";
  for (int i = 1; i < state.range(0); ++i)
    text += ",\\\n  ff";
  text += "\n";
  for (auto _ : state)
    benchmark::DoNotOptimize(platform::RegistryFile::Parse(text));
  state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_SettingsFileWrappedValue)
    ->RangeMultiplier(10)
    ->Range(1000, 1000000)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace
