// A program file's version record, damaged any way: the bytes become the
// ".vs_version_info" section of a small ELF file (or, for inputs that say
// so, the whole file), which the version-record service and
// TFileVersionInfo read as the About box does. Nothing is read outside the
// file's bytes or the caller's block, the failures are the known ones, and
// every text value comes out as UTF-8. (A value marked binary is handed out
// as its bytes, as Windows does.)
//
// Input: a mode byte (0: the section of an ELF file, 1: the whole file), a
// byte for the size of a short block, then the bytes.

#include "dialogs/versioninfo/FileVersionInfo.h"
#include "platform/VersionInfo.h"
#include "platform/VersionRecord.h"
#include "tests/fuzz/FuzzSupport.h"

#include <cstring>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <vector>

namespace {

void Put(std::string& out, std::size_t at, std::uint64_t number, std::size_t bytes) {
  for (std::size_t i = 0; i < bytes; ++i)
    out[at + i] = char(number >> (8 * i) & 0xFF);
}

// An ELF64 file with a name table and the record's section.
std::string ElfWithSection(std::string_view section) {
  const std::string names = std::string("\0.shstrtab\0", 11) + platform::kVersionSection + '\0';
  const std::size_t headers = 64, entry = 64, count = 3;
  const std::size_t namesAt = headers + entry * count;
  const std::size_t sectionAt = namesAt + names.size();
  std::string file(sectionAt, '\0');
  file.replace(0, 7,
               "\x7f"
               "ELF\x02\x01\x01");
  Put(file, 40, headers, 8); // the section header table
  Put(file, 58, entry, 2);
  Put(file, 60, count, 2);
  Put(file, 62, 1, 2); // the name table's index
  const auto header = [&](std::size_t index, std::uint32_t name, std::uint32_t type,
                          std::uint64_t offset, std::uint64_t size) {
    const std::size_t at = headers + index * entry;
    Put(file, at, name, 4);
    Put(file, at + 4, type, 4);
    Put(file, at + 24, offset, 8);
    Put(file, at + 32, size, 8);
  };
  header(1, 1, 3, namesAt, names.size());      // SHT_STRTAB
  header(2, 11, 1, sectionAt, section.size()); // SHT_PROGBITS
  file.replace(namesAt, names.size(), names);
  return file + std::string(section);
}

bool IsUtf8(std::string_view text) {
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
    if ((lead >= 0x80 && lead < 0xC2) || lead > 0xF4 || i + extra >= text.size()) return false;
    for (std::size_t k = 1; k <= extra; ++k)
      if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) return false;
    i += extra + 1;
  }
  return true;
}

// The file in memory, under a name the service can open.
class MemoryFile {
public:
  MemoryFile() : FDescriptor(::memfd_create("version-record", 0)) {
    FPath = "/proc/self/fd/" + std::to_string(FDescriptor);
  }
  ~MemoryFile() { ::close(FDescriptor); }
  const std::string& Hold(std::string_view bytes) {
    if (::ftruncate(FDescriptor, 0) != 0 ||
        ::pwrite(FDescriptor, bytes.data(), bytes.size(), 0) != ssize_t(bytes.size()))
      fuzz::Fail("cannot write the memory file");
    return FPath;
  }

private:
  int FDescriptor;
  std::string FPath;
};

void CheckReader(const std::string& path) {
  TFileVersionInfo info;
  try {
    info.SetFilename(path);
  } catch (const EFilerError& error) {
    const std::string message = error.what();
    fuzz::Require(message == "Invalid version info record in file " + path ||
                      message == "Invalid language info in file " + path,
                  "only the two record failures", message);
    return;
  }
  fuzz::Require(info.LanguageInfo().size() == 8 &&
                    info.LanguageInfo().find_first_not_of("0123456789ABCDEF") == std::string::npos,
                "the translation is 8 upper-case hexadecimal digits", info.LanguageInfo());
}

// The record's own reading: every value found lies inside the bytes, and a
// text value converts to UTF-8.
void CheckRecord(std::span<const unsigned char> record, std::string_view extraPath) {
  const auto length = platform::VersionRecordLength(record);
  if (length) fuzz::Require(*length <= record.size(), "a record lies within its bytes");
  for (const std::string_view path :
       {std::string_view("\\"), std::string_view("\\VarFileInfo\\Translation"),
        std::string_view("\\StringFileInfo\\040904E4\\ProductName"),
        std::string_view("\\StringFileInfo\\040704B0\\LegalCopyright"), extraPath}) {
    const auto value = platform::FindVersionValue(record, path);
    if (!value) continue;
    fuzz::Require(value->bytes.data() >= record.data() &&
                      value->bytes.data() + value->bytes.size() <= record.data() + record.size(),
                  "a value lies inside the record");
    if (value->isText)
      fuzz::Require(IsUtf8(platform::VersionText(*value)), "a text value comes out as UTF-8");
  }
}

// A block shorter than the service asks for holds a record cut to fit.
void CheckShortBlock(const std::string& path, std::uint8_t fraction) {
  std::uint32_t handle = 0;
  const std::uint32_t size = platform::GetFileVersionInfoSizeA(path.c_str(), &handle);
  if (size == 0) return;
  std::vector<unsigned char> block(std::max<std::uint32_t>(1, size * fraction / 255));
  if (!platform::GetFileVersionInfoA(path.c_str(), handle, static_cast<std::uint32_t>(block.size()),
                                     block.data()))
    return;
  for (const char* query :
       {"\\", "\\VarFileInfo\\Translation", "\\StringFileInfo\\040904E4\\ProductName",
        "\\StringFileInfo\\040904E4\\Comments"}) {
    void* value = nullptr;
    std::uint32_t length = 0;
    if (!platform::VerQueryValueA(block.data(), query, &value, &length)) continue;
    const auto* bytes = static_cast<const unsigned char*>(value);
    fuzz::Require(bytes >= block.data() && bytes + length <= block.data() + block.size(),
                  "a value lies inside the block", query);
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static MemoryFile file;
  fuzz::Input input(data, size);
  const bool wholeFile = input.Choice(2) == 1;
  const std::uint8_t fraction = input.Byte();
  const std::string_view bytes = input.Rest();

  if (!wholeFile) {
    // The record with a path of its own at the end, read directly.
    const std::size_t split = bytes.rfind('\xFE');
    const std::string_view path = split == std::string_view::npos ? "" : bytes.substr(split + 1);
    CheckRecord({reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()}, path);
  }
  const std::string& path = file.Hold(wholeFile ? std::string(bytes) : ElfWithSection(bytes));
  CheckReader(path);
  CheckShortBlock(path, fraction);
  return 0;
}
