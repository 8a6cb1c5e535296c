#pragma once
// A registry export file ("REGEDIT4") held as its lines, so that a program can
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
  friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

class RegistryFile {
public:
  // A file with the header line and nothing else.
  RegistryFile();

  // nullopt when the text is not such a file: no "REGEDIT4" first line, a
  // line that is neither a key, a value, a comment nor blank, a value before
  // the first key, a broken escape or hex list, or a control character (a
  // NUL, say) anywhere but in the line ends.
  static std::optional<RegistryFile> Parse(std::string_view text);

  // The file's text: unchanged lines as they were read, changed and new ones
  // in the export format.
  std::string Text() const;

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

  // nullptr when the key or the value is missing.
  const RegistryValue* Find(std::string_view key, std::string_view name) const;

  // Replaces the value in place, or appends it to the key (which must exist).
  // False, with nothing changed, when the name cannot be written in the
  // format (it holds a line break or another control character).
  bool Set(std::string_view key, std::string_view name, const RegistryValue& value);

private:
  // A value's lines, or a run of blank and comment lines (no name).
  struct Entry {
    std::string lines;
    std::optional<std::string> name;
    RegistryValue value;
    // Of a run without a name: where the blank lines that end it begin
    // (0 when it is all blank), kept as lines are added so that finding the
    // place for a new value does not read the run again.
    std::size_t blankFrom = 0;
    void Append(std::string_view line, bool blank);
  };
  struct Section {
    std::string header;
    std::string key;
    std::vector<Entry> entries;
  };

  void AddUnnamedLines(std::string_view lines, bool blank);
  Section* LastSection(std::string_view key);
  static void SplitTrailingBlankLines(Section& section);
  void TerminateLastLine();

  std::string FPreamble; // the header line and what precedes the first key
  std::vector<Section> FSections;
  std::string FLineEnd = "\n";
};

} // namespace platform
