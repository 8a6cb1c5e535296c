#pragma once
// A program's version record in the Windows VS_VERSIONINFO layout: a tree
// of blocks, each with a length, a value length, a type, a UTF-16 key and a
// value, aligned to 4 bytes. The root's value is the fixed part
// (VS_FIXEDFILEINFO); its children are "StringFileInfo" with one string
// table per translation and "VarFileInfo" with "Translation".
//
// Reading trusts no length in the record: every block is bounded by its
// parent and the root by the bytes given, so a damaged record reads as
// missing values, never as bytes from outside it.

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform {

// The file flags, of the values of Windows' VS_FF_DEBUG and its kin (which
// are macros there).
enum VersionFileFlag : std::uint32_t {
  ffDebug = 0x01,
  ffPreRelease = 0x02,
  ffPatched = 0x04,
  ffPrivateBuild = 0x08,
  ffSpecialBuild = 0x20,
};

// What a record holds. Versions are four numbers, "1.0.1.17" -> {1, 0, 1, 17}.
struct VersionDescription {
  std::uint16_t fileVersion[4] = {};
  std::uint16_t productVersion[4] = {};
  std::uint32_t fileFlags = 0;
  std::vector<std::pair<std::uint16_t, std::uint16_t>> translations; // language, code page
  std::string stringTable; // its name, e.g. "040904E4"; the first translation's when empty
  std::vector<std::pair<std::string, std::string>> strings; // UTF-8 key and text, in order
};

// Reads the description that the build turns into a record, one item a line:
//   FileVersion 1.0.1.17            ProductVersion 1.0.1.17
//   FileFlags prerelease            (also debug, patched, privatebuild, specialbuild)
//   Translation 0409 04E4           (language and code page in hexadecimal; may repeat)
//   StringTable 040904E4            (optional)
//   String CompanyName "Corvane"    (\\ and \" escapes; "" for an empty text)
// with "#" comments and blank lines. Throws std::invalid_argument naming the
// line of anything else.
VersionDescription ParseVersionDescription(std::string_view text);

// The record's bytes. Every text gets its terminating NUL, so an empty text
// has a value length of 1 and reads as present.
std::string BuildVersionRecord(const VersionDescription& description);

// One value found by its path, as VerQueryValue names them: "\" for the
// fixed part, "\VarFileInfo\Translation", "\StringFileInfo\040904E4\Comments".
// Keys compare without regard to ASCII case.
struct VersionValue {
  std::span<const unsigned char> bytes; // within the record, cut at its block's end
  std::uint16_t valueLength = 0;        // as stored: UTF-16 units for a text, else bytes
  bool isText = false;
};
std::optional<VersionValue> FindVersionValue(std::span<const unsigned char> record,
                                             std::string_view path);

// A text value as UTF-8, up to its first NUL. Unpaired surrogates become U+FFFD.
std::string VersionText(const VersionValue& value);

// The length of the record that `bytes` begins with, when they begin with
// one: a root block "VS_VERSION_INFO" whose length fits in them.
std::optional<std::size_t> VersionRecordLength(std::span<const unsigned char> bytes);

} // namespace platform
