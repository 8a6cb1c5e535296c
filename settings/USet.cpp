#include "settings/USet.h"

#include "platform/Registry.h"

#include <optional>
#include <utility>
#include <vector>

namespace USet {

std::string Value;
std::string Memory;
bool ThouSep = false;
bool StayOnTop = false;
std::int32_t ShowIn = 0;
bool Functions = false;
std::int32_t AngularMeasure = 0;
bool Tape = false;
bool KeepTape = true;

namespace {

// The view options as this run last loaded or stored them. A save writes an
// option only when this run changed it since, so that what another instance
// changed and stored in the meantime is not undone.
struct ViewOptions {
  bool thouSep;
  bool stayOnTop;
  std::int32_t showIn;
  bool functions;
  std::int32_t angularMeasure;
  bool tape;
  bool keepTape;
};
std::optional<ViewOptions> Known;

// Why the settings file could not be used, until the user has been told;
// and whether the start found it so (a save then keeps silent).
std::string Unusable;
bool UnusableAtStart = false;

// The integers the last load found missing, with the defaults they took,
// until StoreLoadedDefaults writes them back.
std::vector<std::pair<const char*, std::int32_t>> MissingDefaults;

// The integer of a value that exists; otherwise the default, noted in `missing`.
std::int32_t ReadOrDefault(const platform::TRegistry& registry, const char* name,
                           std::int32_t byDefault,
                           std::vector<std::pair<const char*, std::int32_t>>& missing) {
  if (registry.ValueExists(name)) return registry.ReadInteger(name);
  missing.emplace_back(name, byDefault);
  return byDefault;
}

// As ReadOrDefault, with the default (`first` unless given) also for a
// stored integer outside [first, last].
std::int32_t ReadInRange(const platform::TRegistry& registry, const char* name, std::int32_t first,
                         std::int32_t last,
                         std::vector<std::pair<const char*, std::int32_t>>& missing,
                         std::optional<std::int32_t> byDefault = std::nullopt) {
  const std::int32_t fallback = byDefault.value_or(first);
  const std::int32_t value = ReadOrDefault(registry, name, fallback, missing);
  return value >= first && value <= last ? value : fallback;
}

bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead < 0x80                   ? 1
                               : lead >= 0xC2 && lead < 0xE0 ? 2
                               : lead >= 0xE0 && lead < 0xF0 ? 3
                               : lead >= 0xF0 && lead < 0xF5 ? 4
                                                             : 0;
    if (length == 0 || i + length > text.size()) return false;
    for (std::size_t k = 1; k < length; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    // Over-long forms, surrogates and code points past U+10FFFF.
    const auto second = length > 1 ? static_cast<unsigned char>(text[i + 1]) : 0;
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90))
      return false;
    i += length;
  }
  return true;
}

std::string Described(const platform::TOpenFailure& failure) {
  return "\"" + failure.file.string() + "\": " + failure.reason;
}

// A text that is not UTF-8 cannot be shown or edited: the setting takes its
// default and the user is told.
std::string ReadText(const platform::TRegistry& registry, const char* name, const char* byDefault,
                     const std::string& file) {
  std::string text = registry.ReadString(name);
  if (!IsUtf8(text)) {
    Unusable = "\"" + file + "\": the value \"" + name + "\" is not UTF-8 text";
    text.clear();
  }
  return text.empty() ? byDefault : text;
}

// This run's option when it changed it; otherwise the file's, as another
// instance may have stored it since.
std::int32_t Chosen(const platform::TRegistry& registry, const char* name, std::int32_t mine,
                    std::optional<std::int32_t> known) {
  if (known && *known == mine && registry.GetDataType(name) == platform::rdInteger)
    return registry.ReadInteger(name);
  return mine;
}

} // namespace

void LoadSettings() {
  MissingDefaults.clear();
  platform::TRegistry registry(platform::KEY_ALL_ACCESS);
  // The key is made by the first write, not by the load.
  if (!registry.OpenKey(SettingsKey, false)) {
    // The run goes on from the first start's settings, never from empty texts.
    Value = DefaultValue;
    Memory = "0";
    ThouSep = true;
    StayOnTop = false;
    ShowIn = 1;
    Functions = false;
    AngularMeasure = 0;
    Tape = false;
    KeepTape = true;
    const auto& failure = registry.OpenFailure();
    UnusableAtStart = !failure || failure->reason != platform::NoSuchKey;
    if (!UnusableAtStart) {
      Known = ViewOptions{ThouSep, StayOnTop, ShowIn, Functions, AngularMeasure, Tape, KeepTape};
      MissingDefaults = {{"ThouSep", 1},        {"StayOnTop", 0}, {"ShowIn", 1},  {"Functions", 0},
                         {"AngularMeasure", 0}, {"Tape", 0},      {"KeepTape", 1}};
      return;
    }
    Known.reset();
    if (failure) Unusable = Described(*failure);
    return;
  }
  UnusableAtStart = false;
  const std::string file = platform::RegistryFileFor(SettingsKey)->string();
  // Each setting is assigned as soon as it is read, so a value of the wrong
  // type leaves the ones before it loaded and the ones after it unchanged.
  Known.reset();
  Value = ReadText(registry, "Value", DefaultValue, file);
  Memory = ReadText(registry, "Memory", "0", file);
  // A load stopped by a value of the wrong type writes nothing back.
  std::vector<std::pair<const char*, std::int32_t>> missing;
  ThouSep = ReadOrDefault(registry, "ThouSep", 1, missing) != 0;
  StayOnTop = ReadOrDefault(registry, "StayOnTop", 0, missing) != 0;
  ShowIn = ReadOrDefault(registry, "ShowIn", 1, missing);
  Functions = ReadInRange(registry, "Functions", 0, 1, missing) != 0;
  AngularMeasure = ReadInRange(registry, "AngularMeasure", 0, 3, missing);
  Tape = ReadInRange(registry, "Tape", 0, 1, missing) != 0;
  KeepTape = ReadInRange(registry, "KeepTape", 0, 1, missing, 1) != 0;
  MissingDefaults = std::move(missing);
  Known = ViewOptions{ThouSep, StayOnTop, ShowIn, Functions, AngularMeasure, Tape, KeepTape};
  registry.CloseKey();
}

void StoreLoadedDefaults() {
  if (MissingDefaults.empty()) return;
  const auto missing = std::exchange(MissingDefaults, {});
  platform::TRegistry registry(platform::KEY_ALL_ACCESS);
  // A key that can no longer be opened is reported by the save at the close.
  if (!registry.OpenKey(SettingsKey, true)) return;
  // The defaults reach the file together, once.
  registry.BeginUpdate();
  for (const auto& [name, value] : missing)
    if (!registry.ValueExists(name)) registry.WriteInteger(name, value);
  registry.EndUpdate();
  registry.CloseKey();
}

void SaveSettings() {
  platform::TRegistry registry(platform::KEY_ALL_ACCESS);
  if (!registry.OpenKey(SettingsKey, true)) {
    if (UnusableAtStart) return; // the user was told when the window appeared
    const auto& failure = registry.OpenFailure();
    throw platform::ERegistryException("Failed to set data for 'Value'" +
                                       (failure ? "\n" + Described(*failure) : std::string()));
  }
  const auto known = [](auto ViewOptions::*option) {
    return Known ? std::optional<std::int32_t>((*Known).*option) : std::nullopt;
  };
  const bool thouSep = Chosen(registry, "ThouSep", ThouSep, known(&ViewOptions::thouSep)) != 0;
  const bool stayOnTop =
      Chosen(registry, "StayOnTop", StayOnTop, known(&ViewOptions::stayOnTop)) != 0;
  const std::int32_t showIn = Chosen(registry, "ShowIn", ShowIn, known(&ViewOptions::showIn));
  const bool functions =
      Chosen(registry, "Functions", Functions, known(&ViewOptions::functions)) != 0;
  const std::int32_t angularMeasure =
      Chosen(registry, "AngularMeasure", AngularMeasure, known(&ViewOptions::angularMeasure));
  const bool tape = Chosen(registry, "Tape", Tape, known(&ViewOptions::tape)) != 0;
  const bool keepTape = Chosen(registry, "KeepTape", KeepTape, known(&ViewOptions::keepTape)) != 0;
  // One replacement of the file: all the values are stored, or none.
  registry.BeginUpdate();
  registry.WriteString("Value", Value);
  registry.WriteString("Memory", Memory);
  registry.WriteInteger("ThouSep", thouSep ? 1 : 0);
  registry.WriteInteger("StayOnTop", stayOnTop ? 1 : 0);
  registry.WriteInteger("ShowIn", showIn);
  registry.WriteInteger("Functions", functions ? 1 : 0);
  registry.WriteInteger("AngularMeasure", angularMeasure);
  registry.WriteInteger("Tape", tape ? 1 : 0);
  registry.WriteInteger("KeepTape", keepTape ? 1 : 0);
  registry.EndUpdate();
  registry.CloseKey();
  Known = ViewOptions{ThouSep, StayOnTop, ShowIn, Functions, AngularMeasure, Tape, KeepTape};
}

std::string TakeSettingsNotice() {
  std::string notice;
  for (const auto& kept : platform::TRegistry::TakeKeptFiles())
    notice += std::string(notice.empty() ? "" : "\n") +
              "The settings file was damaged and could not be read. It has been kept as \"" +
              kept.string() + "\", and the settings start from their defaults.";
  if (!Unusable.empty())
    notice += std::string(notice.empty() ? "" : "\n") +
              "The settings file cannot be read or written: " + std::exchange(Unusable, {}) +
              ". The settings start from their defaults.";
  return notice;
}

} // namespace USet
