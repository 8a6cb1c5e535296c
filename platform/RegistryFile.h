#pragma once
// A registry export file ("REGEDIT4") held as its text, so that a program can
// change the values it knows while every other line (other keys, unknown
// values, comments, blank lines, line endings) is written back byte for byte.
//
//   REGEDIT4
//
//   [HKEY_CURRENT_USER\Software\Corvane\Tallyon]
//   "Value"="12.5"                      -> REG_SZ "12.5"
//   "Path"="C:\\Temp \"x\""             -> REG_SZ C:\Temp "x"
//   "ShowIn"=dword:0000000a             -> REG_DWORD 10
//   "Home"=hex(2):25,48,4f,4d,45,25,00  -> REG_EXPAND_SZ %HOME%
//   "Blob"=hex:01,02,\                  -> REG_BINARY 01 02 03 (a line may go on
//     03                                   after a trailing backslash)
//
// Key and value names compare without regard to ASCII case, as the registry
// does; when a value appears twice, the later one counts.

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The registry's data types, with their Windows numbers.
enum RegistryType : std::uint32_t {
  REG_NONE = 0,
  REG_SZ = 1,
  REG_EXPAND_SZ = 2,
  REG_BINARY = 3,
  REG_DWORD = 4,
};

// One value as the registry stores it: a text is its bytes and a terminating
// NUL, a REG_DWORD four little-endian bytes.
struct RegistryValue {
  std::uint32_t type = REG_NONE;
  std::string data;

  static RegistryValue Text(std::string_view text, std::uint32_t type = REG_SZ);
  static RegistryValue Integer(std::uint32_t number);
  // The number of a REG_DWORD of four bytes; nullopt for any other value.
  std::optional<std::uint32_t> Number() const;
  friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

// The file is held as its text, edited in place: a settings file of a
// hundred megabytes costs about its size in memory, and only the lines of the
// key asked for are indexed.
class RegistryFile {
public:
  // A file with the header line and nothing else.
  RegistryFile();

  // nullopt when the text is not such a file: no "REGEDIT4" first line, a
  // line that is neither a key, a value, a comment nor blank, a value before
  // the first key, a broken escape or hex list, a control character (a
  // NUL, say) anywhere but in the line ends, or 4 GiB of text or more.
  // The key, when given, is indexed in the same reading, for the lookups
  // that follow.
  static std::optional<RegistryFile> Parse(std::string text, std::string_view key = {});

  // The room a text given to Parse should have beyond its size, so that
  // setting a few values edits it in place instead of copying it.
  static constexpr std::size_t kRoomToEdit = 64 << 10;

  // The file's text: unchanged lines as they were read, changed and new ones
  // in the export format.
  const std::string& Text() const { return FText; }

  // Keys are full paths such as "HKEY_CURRENT_USER\Software\Corvane\Tallyon".
  bool HasKey(std::string_view key) const;
  void AddKey(std::string_view key);

  // Every value in the order of the file, with the key of its section; a
  // value that appears twice is listed twice.
  struct NamedValue {
    std::string key;
    std::string name;
    RegistryValue value;
    friend bool operator==(const NamedValue&, const NamedValue&) = default;
  };
  std::vector<NamedValue> Values() const;

  // nullopt when the key or the value is missing.
  std::optional<RegistryValue> Find(std::string_view key, std::string_view name) const;

  // Replaces the value in place, or appends it to the key (which must exist).
  // False, with nothing changed, when the name cannot be written in the
  // format (it holds a line break or another control character) or the file
  // would reach 4 GiB.
  bool Set(std::string_view key, std::string_view name, const RegistryValue& value);

private:
  // Offsets into the text; the text stays under 4 GiB, so that the index of a
  // key with millions of values stays small.
  using Offset = std::uint32_t;
  // A value's lines, without the line end of the last.
  struct ValueLines {
    Offset at;
    Offset length;
    std::uint32_t nameHash;
  };
  // Where one key's values are, found by one reading of the text when the
  // key is first asked for and kept up to date as values are set.
  struct KeyIndex {
    std::string key;
    bool present = false;
    Offset appendAt = 0; // after the key's last value or comment
    std::deque<ValueLines> values;
  };

  KeyIndex& IndexOf(std::string_view key) const;
  static std::optional<KeyIndex> ReadItems(std::string_view text, std::string_view key, bool check);
  ValueLines* FindLines(KeyIndex& index, std::string_view name,
                        std::optional<RegistryValue>* data = nullptr) const;
  void Splice(KeyIndex& index, Offset at, Offset length, std::string_view text);

  std::string FText;
  std::string FLineEnd = "\n";
  mutable std::optional<KeyIndex> FIndex;
};

} // namespace platform
