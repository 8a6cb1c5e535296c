#include "settings/USet.h"

#include "platform/Registry.h"
#include "settings/SettingsNotice.h"
#include "settings/SettingsTable.h"

#include <memory>
#include <mutex>
#include <optional>
#include <type_traits>
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

// Held by every load and store: saves run on a thread of their own.
std::mutex StoreMutex;

// What the file held of each setting as this run last loaded or stored it
// (nothing for a value that was missing or could not be used), and what the
// setting took then. A periodic save writes the settings this run changed
// since; the last save also those the file does not hold as they are.
std::array<std::optional<TStoredValue>, Settings.size()> Known;
std::array<TStoredValue, Settings.size()> Taken;

// The settings the last load found missing and gave their defaults, until
// StoreLoadedDefaults writes them back.
std::vector<std::size_t> MissingDefaults;

// Why the settings file could not be used, until the user has been told;
// and whether the start found it unwritable (a save then keeps silent).
std::optional<TSettingsNotice> Unusable;
bool UnwritableAtStart = false;
// The stored values that could not be used, each with why.
std::vector<TBadValue> BadValues;

// One setting as the key holds it.
struct TLoaded {
  TStoredValue taken;               // what the setting takes
  std::optional<TStoredValue> held; // what the file holds of it, when usable
  bool missing = false;
  std::optional<TValueProblem> problem; // why the stored value cannot be used
};

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

TLoaded LoadText(const platform::TRegistry& registry, const TSetting& setting) {
  const platform::TRegDataType type = registry.GetDataType(setting.name);
  if (!registry.ValueExists(setting.name)) return {setting.Default(), std::nullopt, true, {}};
  if (type != platform::rdString && type != platform::rdExpandString)
    return {setting.Default(), std::nullopt, false, TValueProblem::WrongType};
  std::string text = registry.ReadString(setting.name);
  if (!IsUtf8(text)) return {setting.Default(), std::nullopt, false, TValueProblem::NotUtf8};
  if (text.empty()) return {setting.Default(), std::string(), false, {}};
  return {text, text, false, {}};
}

TLoaded LoadNumber(const platform::TRegistry& registry, const TSetting& setting) {
  if (!registry.ValueExists(setting.name)) return {setting.Default(), std::nullopt, true, {}};
  if (registry.GetDataType(setting.name) != platform::rdInteger)
    return {setting.Default(), std::nullopt, false, TValueProblem::WrongType};
  std::int32_t number = 0;
  try {
    number = registry.ReadInteger(setting.name);
  } catch (const platform::ERegistryException&) {
    return {setting.Default(), std::nullopt, false, TValueProblem::Unreadable};
  }
  if (number < setting.first || number > setting.last)
    return {setting.Default(), number, false, TValueProblem::OutOfRange};
  const bool boolean = std::holds_alternative<bool*>(setting.variable);
  return {boolean ? std::int32_t(number != 0) : number, number, false, {}};
}

TLoaded Load(const platform::TRegistry& registry, const TSetting& setting) {
  return std::holds_alternative<std::string*>(setting.variable) ? LoadText(registry, setting)
                                                                : LoadNumber(registry, setting);
}

std::string Quoted(std::string_view text) {
  return "\"" + std::string(text) + "\"";
}

std::string Described(const platform::TOpenFailure& failure) {
  return Quoted(failure.file.string()) + ": " + failure.reason;
}

// The settings file, or the key where the system has no file for it.
std::string Where() {
  const auto file = platform::RegistryFileFor(SettingsKey);
  return file ? file->string() : std::string("HKEY_CURRENT_USER") + SettingsKey;
}

// The notice about the file, from why it could not be opened.
TSettingsNotice AboutFile(TNoticeKind kind, const std::optional<platform::TOpenFailure>& failure) {
  if (!failure) return {kind, Where(), {}, {}};
  return {kind, failure->file.string(), failure->reason, {}};
}

void TakeDefaults() {
  for (std::size_t i = 0; i < Settings.size(); ++i) {
    Taken[i] = Settings[i].Default();
    Settings[i].Assign(Taken[i]);
  }
}

// Reads every setting from an open key.
void LoadFrom(const platform::TRegistry& registry) {
  for (std::size_t i = 0; i < Settings.size(); ++i) {
    TLoaded loaded = Load(registry, Settings[i]);
    Settings[i].Assign(loaded.taken);
    Taken[i] = std::move(loaded.taken);
    Known[i] = std::move(loaded.held);
    const bool number = !std::holds_alternative<std::string*>(Settings[i].variable);
    if (loaded.missing && number) MissingDefaults.push_back(i);
    if (loaded.problem)
      BadValues.push_back({Settings[i].name, *loaded.problem, Settings[i].first, Settings[i].last});
  }
}

// Without the key: the first start's settings. A key that does not exist yet
// is a first start, whose defaults are written back.
void LoadWithoutKey(const std::optional<platform::TOpenFailure>& failure) {
  TakeDefaults();
  if (failure && failure->reason == platform::NoSuchKey) {
    for (std::size_t i = 0; i < Settings.size(); ++i)
      if (!std::holds_alternative<std::string*>(Settings[i].variable)) MissingDefaults.push_back(i);
    return;
  }
  UnwritableAtStart = true;
  Unusable = AboutFile(TNoticeKind::Unusable, failure);
}

void Write(platform::TRegistry& registry, const TSetting& setting, const TStoredValue& value) {
  if (const auto* text = std::get_if<std::string>(&value))
    registry.WriteString(setting.name, *text);
  else
    registry.WriteInteger(setting.name, std::get<std::int32_t>(value));
}

} // namespace

TStoredValue TSetting::Default() const {
  if (defaultText != nullptr) return std::string(defaultText);
  return defaultNumber;
}

TStoredValue TSetting::Current() const {
  return std::visit(
      [](const auto* held) -> TStoredValue {
        using Held = std::remove_cvref_t<decltype(*held)>;
        if constexpr (std::is_same_v<Held, bool>)
          return std::int32_t(*held ? 1 : 0);
        else
          return *held;
      },
      variable);
}

void TSetting::Assign(const TStoredValue& stored) const {
  std::visit(
      [&stored](auto* held) {
        using Held = std::remove_cvref_t<decltype(*held)>;
        if constexpr (std::is_same_v<Held, std::string>)
          *held = std::get<std::string>(stored);
        else if constexpr (std::is_same_v<Held, bool>)
          *held = std::get<std::int32_t>(stored) != 0;
        else
          *held = std::get<std::int32_t>(stored);
      },
      variable);
}

TSnapshot TakeSnapshot() {
  TSnapshot snapshot;
  for (std::size_t i = 0; i < Settings.size(); ++i)
    snapshot[i] = Settings[i].Current();
  return snapshot;
}

void LoadSettings() {
  const std::lock_guard lock(StoreMutex);
  MissingDefaults.clear();
  BadValues.clear();
  Known.fill(std::nullopt);
  UnwritableAtStart = false;
  // Opened for writing where it can be, so that a damaged file is moved aside.
  platform::TRegistry writable(platform::KEY_ALL_ACCESS);
  if (writable.OpenKey(SettingsKey, false)) return LoadFrom(writable);
  const std::optional<platform::TOpenFailure> unwritable = writable.OpenFailure();
  if (unwritable && unwritable->reason == platform::NoSuchKey) return LoadWithoutKey(unwritable);
  // A file that can be read but not written is read all the same, and the
  // user is told once that changes will not be kept.
  platform::TRegistry readable(platform::KEY_READ);
  const bool read = readable.OpenKey(SettingsKey, false);
  const std::optional<platform::TOpenFailure>& unreadable = readable.OpenFailure();
  if (!read && (!unreadable || unreadable->reason != platform::NoSuchKey))
    return LoadWithoutKey(unreadable);
  UnwritableAtStart = true;
  Unusable = AboutFile(TNoticeKind::Unwritable, unwritable);
  if (read)
    LoadFrom(readable);
  else
    TakeDefaults();
}

void StoreLoadedDefaults() {
  const std::lock_guard lock(StoreMutex);
  if (MissingDefaults.empty()) return;
  const auto missing = std::exchange(MissingDefaults, {});
  platform::TRegistry registry(platform::KEY_ALL_ACCESS);
  // A key that can no longer be opened is reported by the save at the close.
  if (!registry.OpenKey(SettingsKey, true)) return;
  // The defaults reach the file together, once; a value that another
  // instance stored since the load stays as it is.
  registry.BeginUpdate();
  for (const std::size_t i : missing)
    if (!registry.ValueExists(Settings[i].name))
      Write(registry, Settings[i], Settings[i].Default());
  registry.EndUpdate();
  for (const std::size_t i : missing)
    Known[i] = Taken[i] = Settings[i].Default();
}

void StoreSnapshot(const TSnapshot& snapshot, TSave save) {
  const std::lock_guard lock(StoreMutex);
  std::vector<std::size_t> changed;
  for (std::size_t i = 0; i < Settings.size(); ++i)
    if (Taken[i] != snapshot[i] || (save == TSave::Last && Known[i] != snapshot[i]))
      changed.push_back(i);
  if (changed.empty()) return;
  platform::TRegistry registry(platform::KEY_ALL_ACCESS);
  if (!registry.OpenKey(SettingsKey, true)) {
    if (UnwritableAtStart) return; // the user was told when the window appeared
    const auto& failure = registry.OpenFailure();
    throw platform::ERegistryException(std::string("Failed to set data for '") +
                                       Settings[changed.front()].name + "'" +
                                       (failure ? "\n" + Described(*failure) : std::string()));
  }
  // One replacement of the file: all the changed values are stored, or none.
  registry.BeginUpdate();
  for (const std::size_t i : changed)
    Write(registry, Settings[i], snapshot[i]);
  registry.EndUpdate();
  registry.CloseKey();
  for (const std::size_t i : changed)
    Known[i] = Taken[i] = snapshot[i];
}

void SaveSettings() {
  StoreSnapshot(TakeSnapshot(), TSave::Last);
}

std::vector<TSettingsNotice> TakeSettingsNotices() {
  const std::lock_guard lock(StoreMutex);
  std::vector<TSettingsNotice> notices;
  for (const auto& kept : platform::TRegistry::TakeKeptFiles())
    notices.push_back({TNoticeKind::Damaged, kept.string(), {}, {}});
  if (Unusable) notices.push_back(*std::exchange(Unusable, std::nullopt));
  if (!BadValues.empty())
    notices.push_back({TNoticeKind::BadValues, Where(), {}, std::exchange(BadValues, {})});
  return notices;
}

std::string TakeSettingsNotice() {
  return NoticesText(TakeSettingsNotices());
}

} // namespace USet
