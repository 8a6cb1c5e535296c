#include "platform/VersionInfo.h"
#include "platform/VersionRecord.h"
#include "tests/support/TemporaryHome.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using namespace platform;

const char* const kPaths[] = {"\\",
                              "\\VarFileInfo\\Translation",
                              "\\StringFileInfo\\040904E4\\CompanyName",
                              "\\StringFileInfo\\040904E4\\LegalCopyright",
                              "\\StringFileInfo\\040904E4\\Comments",
                              "\\StringFileInfo\\040904E4\\Missing",
                              "\\StringFileInfo\\0407\\CompanyName"};

VersionDescription Sample() {
  return ParseVersionDescription(
      "# a comment\n"
      "FileVersion 1.0.1.17\n"
      "ProductVersion 2.3.4.5\n"
      "FileFlags prerelease debug\n"
      "\n"
      "Translation 0409 04E4\n"
      "Translation 0407 04B0\n"
      "String CompanyName \"Corvane\"\n"
      "String LegalCopyright \"\xC2\xA9 2002 \\\"C\\\\V\\\" \xF0\x9F\x98\x80\"\n"
      "String Comments \"\"\n");
}

// An ELF file with the given sections (name, bytes) and a section name table.
std::string Elf(const std::vector<std::pair<std::string, std::string>>& sections,
                bool wide = true) {
  const std::size_t headerSize = wide ? 64 : 52, entrySize = wide ? 64 : 40;
  std::string names(1, '\0'), body;
  std::vector<std::array<std::uint64_t, 3>> entries{{0, 0, 0}}; // name, offset, size
  for (const auto& [name, bytes] : sections) {
    entries.push_back({names.size(), headerSize + body.size(), bytes.size()});
    names += name + '\0';
    body += bytes;
  }
  entries.push_back({names.size(), headerSize + body.size(), 0});
  names += std::string(".shstrtab") + '\0';
  entries.back()[2] = names.size();
  body += names;
  const std::uint64_t tableOffset = headerSize + body.size();
  auto put = [](std::string& out, std::size_t at, std::uint64_t value, std::size_t size) {
    if (out.size() < at + size) out.resize(at + size, '\0');
    for (std::size_t i = 0; i < size; ++i)
      out[at + i] = char(value >> (8 * i) & 0xFF);
  };
  std::string file("\x7f"
                   "ELF",
                   4);
  file += char(wide ? 2 : 1);
  file += '\x01'; // little-endian
  file.resize(headerSize, '\0');
  put(file, wide ? 40 : 32, tableOffset, wide ? 8 : 4);
  put(file, wide ? 58 : 46, entrySize, 2);
  put(file, wide ? 60 : 48, entries.size(), 2);
  put(file, wide ? 62 : 50, entries.size() - 1, 2);
  file += body;
  for (const auto& [name, offset, size] : entries) {
    std::string entry(entrySize, '\0');
    put(entry, 0, name, 4);
    put(entry, 4, name == 0 ? 0 : 1, 4); // PROGBITS
    put(entry, wide ? 24 : 16, offset, wide ? 8 : 4);
    put(entry, wide ? 32 : 20, size, wide ? 8 : 4);
    file += entry;
  }
  return file;
}

// Everything the service gives for one file, as text: the size, then each
// path's value (texts as they are, binary values by their length).
std::string ReadAll(const fs::path& file) {
  std::uint32_t handle = 7;
  const std::uint32_t size = GetFileVersionInfoSizeA(file.c_str(), &handle);
  std::string all = std::to_string(size);
  if (size == 0) return all;
  std::vector<unsigned char> block(size); // exactly this size, for the address checker
  if (!GetFileVersionInfoA(file.c_str(), handle, size, block.data())) return all + " unread";
  for (const char* path : kPaths) {
    void* value = nullptr;
    std::uint32_t length = 99;
    const bool found = VerQueryValueA(block.data(), path, &value, &length);
    all += found ? " [" + std::to_string(length) + "]" : " -";
    if (found && std::string(path).starts_with("\\StringFileInfo"))
      all += static_cast<const char*>(value);
  }
  return all;
}

class VersionInfo : public testsupport::TemporaryHome {
protected:
  fs::path WriteElf(const std::string& bytes) {
    const fs::path file = Root() / "program";
    Write(file, bytes);
    return file;
  }
  const std::string kRecord = BuildVersionRecord(Sample());
  const std::string kCopyright = "\xC2\xA9 2002 \"C\\V\" \xF0\x9F\x98\x80";
  const std::string kExpected = std::to_string((kRecord.size() + 3) / 4 * 4 * 3) +
                                " [52] [8] [8]Corvane [" + std::to_string(kCopyright.size() + 1) +
                                "]" + kCopyright + " [1] - -";
};

TEST_F(VersionInfo, RecordReadsBackFromElf32AndElf64) {
  for (const bool wide : {true, false}) {
    const fs::path file = WriteElf(Elf({{".text", "code"}, {kVersionSection, kRecord}}, wide));
    EXPECT_EQ(ReadAll(file), kExpected) << wide;
  }
  std::vector<unsigned char> block(
      GetFileVersionInfoSizeA(WriteElf(Elf({{kVersionSection, kRecord}})).c_str(), nullptr));
  ASSERT_TRUE(GetFileVersionInfoA((Root() / "program").c_str(), 0,
                                  static_cast<std::uint32_t>(block.size()), block.data()));
  void* value = nullptr;
  std::uint32_t length = 0;
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\", &value, &length));
  std::uint32_t fixed[13];
  std::memcpy(fixed, value, sizeof fixed);
  EXPECT_EQ(fixed[0], 0xFEEF04BDu);
  EXPECT_EQ(fixed[2], 0x00010000u); // 1.0
  EXPECT_EQ(fixed[3], 0x00010011u); // 1.17
  EXPECT_EQ(fixed[4], 0x00020003u);
  EXPECT_EQ(fixed[5], 0x00040005u);
  EXPECT_EQ(fixed[7], platform::ffPreRelease | platform::ffDebug);
  ASSERT_TRUE(VerQueryValueA(block.data(), "\\varfileinfo\\TRANSLATION", &value, &length));
  EXPECT_EQ(std::string(static_cast<const char*>(value), length),
            "\x09\x04\xE4\x04\x07\x04\xB0\x04");
}

TEST_F(VersionInfo, FilesWithoutARecord) {
  const std::string records[] = {
      Elf({{".text", "code"}}),
      Elf({{".vs_version_info2", kRecord}}),
      Elf({{kVersionSection, kRecord.substr(0, kRecord.size() - 1)}}), // root longer than section
      Elf({{kVersionSection, std::string(kRecord).replace(6, 2, "X\0", 2)}}), // another root key
      Elf({{kVersionSection, ""}}),
      "#!/bin/sh\necho not ELF\n",
      std::string(Elf({{kVersionSection, kRecord}})).replace(5, 1, "\x02"), // big-endian
  };
  for (const std::string& bytes : records)
    EXPECT_EQ(ReadAll(WriteElf(bytes)), "0");
  EXPECT_EQ(ReadAll(Root() / "missing"), "0");
  EXPECT_EQ(ReadAll(Root()), "0"); // a folder
  EXPECT_EQ(ReadAll("/bin/sh"), "0");
}

TEST_F(VersionInfo, TruncatedFilesNeverReadPastTheirEnd) {
  const std::string whole = Elf({{kVersionSection, kRecord}});
  for (std::size_t length = 0; length < whole.size(); ++length)
    ASSERT_EQ(ReadAll(WriteElf(whole.substr(0, length))), "0") << length;
  EXPECT_EQ(ReadAll(WriteElf(whole)), kExpected);
}

TEST_F(VersionInfo, LyingElfHeadersAreRefused) {
  const std::string whole = Elf({{kVersionSection, kRecord}});
  const std::size_t table = whole.size() - 3 * 64; // null, ours, names
  const struct {
    std::size_t at;
    std::uint64_t value;
    std::size_t size;
  } lies[] = {
      {40, 1u << 30, 8},                // section table past the end
      {40, ~0ull, 8},                   // ... and an offset that overflows
      {60, 0xFFFF, 2},                  // more sections than the file holds
      {58, 8, 2},                       // entries too small
      {62, 3, 2},                       // name table index past the count
      {table + 64, 1u << 20, 4},        // our name past the name table
      {table + 64 + 24, 1u << 30, 8},   // our data past the end
      {table + 64 + 32, ~0ull - 10, 8}, // our size huge
      {table + 128 + 24, ~0ull - 1, 8}, // name table offset overflows
      {table + 64 + 4, 8, 4},           // our section has no bytes (NOBITS)
  };
  for (const auto& lie : lies) {
    std::string bytes = whole;
    for (std::size_t i = 0; i < lie.size; ++i)
      bytes[lie.at + i] = char(lie.value >> (8 * i) & 0xFF);
    EXPECT_EQ(ReadAll(WriteElf(bytes)), "0") << lie.at;
  }
}

TEST(VersionRecord, EveryDamagedByteStaysInsideTheRecord) {
  // Each byte in turn set to 0x00 and to 0xFF, the record then read through
  // a block of exactly its size: the address checker sees any stray read.
  const std::string record = BuildVersionRecord(Sample());
  for (std::size_t at = 0; at < record.size(); ++at) {
    for (const char damage : {'\x00', '\xFF'}) {
      std::string damaged = record;
      damaged[at] = damage;
      const std::vector<unsigned char> bytes(damaged.begin(), damaged.end());
      const std::size_t length = VersionRecordLength(bytes).value_or(0);
      ASSERT_LE(length, bytes.size());
      for (const char* path : kPaths) {
        if (const auto value = FindVersionValue(bytes, path)) {
          ASSERT_GE(value->bytes.data(), bytes.data());
          ASSERT_LE(value->bytes.data() + value->bytes.size(), bytes.data() + bytes.size());
          VersionText(*value);
        }
      }
      if (length < 6) continue;
      std::vector<unsigned char> block((length + 3) / 4 * 12);
      std::memcpy(block.data(), bytes.data(), length);
      for (const char* path : kPaths) {
        void* value = nullptr;
        std::uint32_t size = 0;
        if (VerQueryValueA(block.data(), path, &value, &size)) {
          ASSERT_LE(static_cast<unsigned char*>(value) + size, block.data() + block.size());
        }
      }
    }
  }
}

TEST(VersionRecord, LyingBlockLengthsHideValuesButNothingElse) {
  const std::string record = BuildVersionRecord(Sample());
  const std::size_t company = record.find(std::string("C\0o\0m\0p", 7)) - 6;
  std::string wide = record, longText = record, noNul = record;
  wide[company] = wide[company + 1] = '\xFF';             // CompanyName claims 65535 bytes
  longText[company + 2] = longText[company + 3] = '\xFF'; // and a text of 65535 units
  const std::size_t nul = noNul.find(std::string("e\0\0\0", 4), company + 30);
  noNul[nul + 2] = 'X'; // "CorvaneX..." runs into the next block
  const std::vector<unsigned char> a(wide.begin(), wide.end());
  EXPECT_FALSE(FindVersionValue(a, "\\StringFileInfo\\040904E4\\CompanyName"));
  EXPECT_TRUE(FindVersionValue(a, "\\VarFileInfo\\Translation"));
  const std::vector<unsigned char> b(longText.begin(), longText.end());
  const auto text = FindVersionValue(b, "\\StringFileInfo\\040904E4\\CompanyName");
  ASSERT_TRUE(text);
  EXPECT_EQ(VersionText(*text), "Corvane");
  EXPECT_EQ(text->valueLength, 0xFFFF);
  const std::vector<unsigned char> c(noNul.begin(), noNul.end());
  const auto cut = FindVersionValue(c, "\\StringFileInfo\\040904E4\\CompanyName");
  ASSERT_TRUE(cut);
  EXPECT_EQ(VersionText(*cut), "CorvaneX");
}

TEST_F(VersionInfo, AShortBlockHoldsACutRecord) {
  const fs::path file = WriteElf(Elf({{kVersionSection, kRecord}}));
  const std::uint32_t size = GetFileVersionInfoSizeA(file.c_str(), nullptr);
  for (const std::uint32_t length : {size / 2, size / 4, 17u}) {
    std::vector<unsigned char> block(length);
    ASSERT_EQ(GetFileVersionInfoA(file.c_str(), 0, length, block.data()), length >= 18) << length;
    for (const char* path : kPaths) {
      void* value = nullptr;
      std::uint32_t found = 0;
      if (VerQueryValueA(block.data(), path, &value, &found)) {
        EXPECT_LE(static_cast<unsigned char*>(value) + found, block.data() + length);
      }
    }
  }
}

TEST(VersionRecord, DescriptionErrorsNameTheLine) {
  const char* const bad[] = {
      "FileVersion 1.0.1\n",        "FileVersion 1.0.1.17.3\n",   "FileVersion 1.0.1.70000\n",
      "ProductVersion x.0.1.17\n",  "FileFlags beta\n",           "Translation 0409\n",
      "Translation 0409 1FFFF\n",   "StringTable 0409\n",         "String Comments text\n",
      "String Comments \"a\\n\"\n", "String Comments \"a\"b\"\n", "Colour blue\n",
      "String Bad \"\xC3\"\n",
  };
  for (const char* text : bad) {
    try {
      BuildVersionRecord(ParseVersionDescription(std::string("# first\n") + text));
      ADD_FAILURE() << text;
    } catch (const std::invalid_argument& error) {
      EXPECT_TRUE(std::string(error.what()).starts_with("line 2: ")) << error.what();
    }
  }
}

} // namespace
