#include "platform/VersionInfo.h"

#include "platform/VersionRecord.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <span>
#include <vector>

namespace platform {

namespace {

// A version record is at most 65535 bytes; a section may be padded.
constexpr std::uint64_t kLargestSection = 1 << 17;
constexpr std::uint32_t SHT_NOBITS = 8;

std::uint64_t Little(const std::string& bytes, std::size_t offset, std::size_t size) {
  std::uint64_t number = 0;
  for (std::size_t i = size; i-- > 0;)
    number = number << 8 | static_cast<unsigned char>(bytes[offset + i]);
  return number;
}

// `size` bytes at `offset`, or nullopt when the file does not hold them all.
std::optional<std::string> ReadAt(std::ifstream& in, std::uint64_t fileSize, std::uint64_t offset,
                                  std::uint64_t size) {
  if (offset > fileSize || size > fileSize - offset) return std::nullopt;
  std::string bytes(size, '\0');
  in.seekg(std::streamoff(offset));
  if (!in.read(bytes.data(), std::streamsize(size))) return std::nullopt;
  return bytes;
}

// The fields of a section header that matter here, for ELF32 and ELF64.
struct Section {
  std::uint32_t name, type;
  std::uint64_t offset, size;
};

Section SectionAt(const std::string& table, std::size_t at, bool wide) {
  if (wide)
    return {std::uint32_t(Little(table, at, 4)), std::uint32_t(Little(table, at + 4, 4)),
            Little(table, at + 24, 8), Little(table, at + 32, 8)};
  return {std::uint32_t(Little(table, at, 4)), std::uint32_t(Little(table, at + 4, 4)),
          Little(table, at + 16, 4), Little(table, at + 20, 4)};
}

std::span<const unsigned char> Bytes(const void* data, std::size_t size) {
  return {static_cast<const unsigned char*>(data), size};
}

std::optional<std::string> RecordOf(const char* filename) {
  if (filename == nullptr) return std::nullopt;
  std::optional<std::string> section = ReadVersionSection(filename);
  if (!section) return std::nullopt;
  const auto length = VersionRecordLength(Bytes(section->data(), section->size()));
  if (!length) return std::nullopt;
  section->resize(*length);
  return section;
}

std::size_t Align4(std::size_t size) {
  return (size + 3) & ~std::size_t(3);
}

} // namespace

std::optional<std::string> ReadVersionSection(const std::filesystem::path& file) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(file, error)) return std::nullopt;
  const std::uint64_t fileSize = std::filesystem::file_size(file, error);
  std::ifstream in(file, std::ios::binary);
  if (error || !in) return std::nullopt;
  const auto header = ReadAt(in, fileSize, 0, 64);
  if (!header ||
      header->compare(0, 4,
                      "\x7f"
                      "ELF") != 0 ||
      (*header)[5] != 1)
    return std::nullopt;
  const bool wide = (*header)[4] == 2;
  if (!wide && (*header)[4] != 1) return std::nullopt;
  const std::uint64_t tableOffset = wide ? Little(*header, 40, 8) : Little(*header, 32, 4);
  const std::size_t entrySize = Little(*header, wide ? 58 : 46, 2);
  const std::size_t count = Little(*header, wide ? 60 : 48, 2);
  const std::size_t namesIndex = Little(*header, wide ? 62 : 50, 2);
  if (entrySize < (wide ? 40u : 24u) || namesIndex >= count) return std::nullopt;

  const auto table = ReadAt(in, fileSize, tableOffset, std::uint64_t(entrySize) * count);
  if (!table) return std::nullopt;
  const Section names = SectionAt(*table, namesIndex * entrySize, wide);
  const auto nameBytes = ReadAt(in, fileSize, names.offset, std::min(names.size, kLargestSection));
  if (!nameBytes) return std::nullopt;
  const std::string wanted = std::string(kVersionSection) + '\0';
  for (std::size_t i = 0; i < count; ++i) {
    const Section section = SectionAt(*table, i * entrySize, wide);
    if (section.type == SHT_NOBITS || section.name >= nameBytes->size() ||
        nameBytes->compare(section.name, wanted.size(), wanted) != 0)
      continue;
    return ReadAt(in, fileSize, section.offset, std::min(section.size, kLargestSection));
  }
  return std::nullopt;
}

DWORD GetFileVersionInfoSizeA(const char* filename, DWORD* handle) {
  if (handle != nullptr) *handle = 0;
  const std::optional<std::string> record = RecordOf(filename);
  // The record, then twice its size for texts: UTF-8 takes at most three
  // bytes where UTF-16 takes two.
  return record ? std::uint32_t(Align4(record->size()) * 3) : 0;
}

bool GetFileVersionInfoA(const char* filename, DWORD, DWORD length, void* data) {
  const std::optional<std::string> record = RecordOf(filename);
  if (!record || data == nullptr) return false;
  // A short block gets a record cut to a third of it, so that the room for
  // texts after it is always twice the record.
  const std::size_t kept = std::min(record->size(), std::size_t(length / 3) & ~std::size_t(3));
  if (kept < 6) return false;
  std::memset(data, 0, length);
  std::memcpy(data, record->data(), kept);
  static_cast<unsigned char*>(data)[0] = static_cast<unsigned char>(kept & 0xFF);
  static_cast<unsigned char*>(data)[1] = static_cast<unsigned char>(kept >> 8);
  return true;
}

bool VerQueryValueA(const void* block, const char* subBlock, void** buffer, UINT* length) {
  if (length != nullptr) *length = 0;
  if (block == nullptr || subBlock == nullptr || buffer == nullptr) return false;
  const auto* bytes = static_cast<const unsigned char*>(block);
  const auto recordLength = std::size_t(bytes[0] | bytes[1] << 8);
  const std::span<const unsigned char> record = Bytes(block, recordLength);
  const std::optional<VersionValue> value = FindVersionValue(record, subBlock);
  if (!value) return false;
  if (!value->isText) {
    *buffer = const_cast<unsigned char*>(value->bytes.data());
    if (length != nullptr) *length = std::uint32_t(value->bytes.size());
    return true;
  }
  // The text goes into the room after the record, at a place proportional
  // to where it lies in the record, so texts never overlap one another.
  const std::size_t at = std::size_t(value->bytes.data() - record.data());
  auto* text = const_cast<unsigned char*>(bytes) + Align4(recordLength) + at * 3 / 2;
  const std::string converted = VersionText(*value);
  std::memcpy(text, converted.c_str(), converted.size() + 1);
  *buffer = text;
  if (length != nullptr)
    *length = value->valueLength == 0 ? 0 : std::uint32_t(converted.size() + 1);
  return true;
}

} // namespace platform
