#pragma once
// What a load of the settings has to tell the user, as values: the kind, the
// file (or key) it is about, the system's reason and the stored values that
// could not be used. The texts are English with %1, %2, %3 for the parts; a
// shell may show them through its translations, and NoticeText gives them
// in English:
//
//   {TNoticeKind::Unwritable, "/home/u/.config/tallyon.reg", "Permission denied"}
//   -> The settings file "/home/u/.config/tallyon.reg" cannot be written
//      (Permission denied): changes to the settings will not be kept.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace USet {

enum class TNoticeKind {
  Damaged,    // the file was moved aside; file: where it is kept now
  Unusable,   // neither read nor written; the defaults are taken
  Unwritable, // read, but changes will not be kept
  BadValues,  // some stored values could not be used
};

enum class TValueProblem { WrongType, NotUtf8, Unreadable, OutOfRange };

// A stored value that could not be used; first and last give the range.
struct TBadValue {
  std::string name;
  TValueProblem problem;
  std::int32_t first = 0, last = 0;
};

struct TSettingsNotice {
  TNoticeKind kind;
  std::string file;   // the settings file, or the key where there is none
  std::string reason; // the system's reason, or empty
  std::vector<TBadValue> values;
};

namespace NoticeTexts {
inline constexpr const char* Damaged =
    "The settings file was damaged and could not be read. It has been kept as \"%1\", and the "
    "settings start from their defaults.";
inline constexpr const char* Unusable =
    "The settings file cannot be read or written: \"%1\". The settings start from their defaults.";
inline constexpr const char* UnusableBecause =
    "The settings file cannot be read or written: "
    "\"%1\": %2. The settings start from their defaults.";
inline constexpr const char* Unwritable =
    "The settings file \"%1\" cannot be written: changes to the settings will not be kept.";
inline constexpr const char* UnwritableBecause =
    "The settings file \"%1\" cannot be written (%2): changes to the settings will not be kept.";
inline constexpr const char* BadValues =
    "Some stored settings in \"%1\" cannot be used: %2. They start from their defaults.";
inline constexpr const char* WrongType = "\"%1\" is of the wrong type";
inline constexpr const char* NotUtf8 = "\"%1\" is not UTF-8 text";
inline constexpr const char* Unreadable = "\"%1\" cannot be read";
inline constexpr const char* OutOfRange = "\"%1\" is out of its range, %2 to %3";
// Between the bad values, and between the notices.
inline constexpr const char* ValueSeparator = "; ";
inline constexpr const char* NoticeSeparator = "\n";
} // namespace NoticeTexts

// The notice's text, with %1 for the file and %2 for the reason or the bad
// values; and a bad value's text, with %1 for its name, %2 and %3 for its
// range.
const char* TextOf(const TSettingsNotice& notice);
const char* TextOf(TValueProblem problem);

// The text, with its parts in place of %1, %2, %3 (in one
// pass: a part that holds "%2" stays as it is).
std::string FilledIn(std::string_view text, const std::vector<std::string>& parts);
// The notice's text in English.
std::string NoticeText(const TSettingsNotice& notice);
// The notices' texts in English, one a line.
std::string NoticesText(const std::vector<TSettingsNotice>& notices);

} // namespace USet
