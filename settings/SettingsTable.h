#pragma once
// The settings as one table. A row names the registry value, points at
// the process-wide variable that holds the setting (its type: a text, a
// boolean or an integer), and gives its default and the range a stored
// integer must lie in. Loading, saving, the defaults written back and the
// rules for a stored value of the wrong type or out of range all walk it.
//
//   "ShowIn"=dword:00000002  -> ShowIn 2
//   "ShowIn"="2"             -> ShowIn 1 (its default), and the notice names "ShowIn"
//   "AngularMeasure"=dword:00000009 -> 0 (out of 0 to 3), named in the notice
//   "ThouSep"=dword:00000005 -> true (a boolean is any integer; not 0 is true)

#include "settings/USet.h"

#include <array>
#include <cstdint>
#include <limits>
#include <string>
#include <variant>

namespace USet {

// A setting as the registry stores it: a text, or the integer of a REG_DWORD
// (0 or 1 for a boolean).
using TStoredValue = std::variant<std::string, std::int32_t>;

struct TSetting {
  const char* name; // the registry value's name
  std::variant<std::string*, bool*, std::int32_t*> variable;
  const char* defaultText;    // a text's default, for an empty or missing one
  std::int32_t defaultNumber; // a boolean's or an integer's default
  std::int32_t first, last;   // a stored integer outside takes the default

  TStoredValue Default() const;
  // The variable's value in its stored form, and the other way round.
  TStoredValue Current() const;
  void Assign(const TStoredValue& stored) const;
};

constexpr std::int32_t kLowest = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t kHighest = std::numeric_limits<std::int32_t>::max();

constexpr TSetting TextSetting(const char* name, std::string* variable, const char* byDefault) {
  return {name, variable, byDefault, 0, 0, 0};
}
constexpr TSetting BooleanSetting(const char* name, bool* variable, bool byDefault,
                                  std::int32_t first = kLowest, std::int32_t last = kHighest) {
  return {name, variable, nullptr, byDefault ? 1 : 0, first, last};
}
constexpr TSetting IntegerSetting(const char* name, std::int32_t* variable, std::int32_t byDefault,
                                  std::int32_t first, std::int32_t last) {
  return {name, variable, nullptr, byDefault, first, last};
}

// In the order the values are written.
inline constexpr std::array<TSetting, 9> Settings = {{
    TextSetting("Value", &Value, DefaultValue),
    TextSetting("Memory", &Memory, "0"),
    BooleanSetting("ThouSep", &ThouSep, true),
    BooleanSetting("StayOnTop", &StayOnTop, false),
    // Any integer: the window takes every one but the first two as ShowInTray.
    IntegerSetting("ShowIn", &ShowIn, ShowInTaskbarAndTray, kLowest, kHighest),
    BooleanSetting("Functions", &Functions, false, 0, 1),
    IntegerSetting("AngularMeasure", &AngularMeasure, 0, 0, 3),
    BooleanSetting("Tape", &Tape, false, 0, 1),
    BooleanSetting("KeepTape", &KeepTape, true, 0, 1),
}};

// The values in their stored form, in the table's order: what one save
// writes, taken on the window's thread and written on another.
using TSnapshot = std::array<TStoredValue, Settings.size()>;
TSnapshot TakeSnapshot();

// Which values a save writes: a periodic one those this run changed since it
// last loaded or stored them; the last one, of an ending, also those the file
// does not hold as they are (missing, of the wrong type, a boolean stored as
// 5), as the close of a first start writes the value and the memory.
enum class TSave { Periodic, Last };

// Stores those values of the snapshot in one replacement of the file under
// the store's lock: all of them or none. A value this run did not change is
// left as the file holds it, so that what another instance stored in the
// meantime stays; nothing to write, no write. Reads no setting variable, so
// it may run on another thread than the window's; calls are serialised. A
// key that could not be written at the start (the user was told) stores
// nothing, silently.
void StoreSnapshot(const TSnapshot& snapshot, TSave save);

} // namespace USet
