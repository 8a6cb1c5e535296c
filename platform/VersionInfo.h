#pragma once
// The version-record service: a program's own version record read from its
// executable file, under the names platform::GetFileVersionInfoSizeA,
// platform::GetFileVersionInfoA and platform::VerQueryValueA. On Windows these
// are the system's calls reading the file's version resource (compiled by
// windres, tallyon_version_record in cmake/); elsewhere the record
// (VersionRecord.h) sits in the ELF section ".vs_version_info", put there by
// the build, and these read it with the same contract:
//
//   platform::DWORD handle;
//   platform::DWORD size = GetFileVersionInfoSizeA(path, &handle); // 0: no record
//   std::vector<unsigned char> block(size);
//   GetFileVersionInfoA(path, handle, size, block.data());
//   void* value; platform::UINT length;
//   VerQueryValueA(block.data(), "\\StringFileInfo\\040904E4\\ProductName", &value, &length);
//   // value: a NUL-terminated text (UTF-8 here, the ANSI code page on
//   // Windows), length: its bytes with the NUL (characters on Windows)
//
// A block holds the record and, after it, room for the texts that
// VerQueryValueA hands out, so they live as long as the block.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#ifdef _WIN32
#include <windows.h>

namespace platform {
using ::DWORD;
using ::GetFileVersionInfoA;
using ::GetFileVersionInfoSizeA;
using ::UINT;
using ::VerQueryValueA;
} // namespace platform
#else

namespace platform {

using DWORD = std::uint32_t;
using UINT = std::uint32_t;

inline constexpr const char* kVersionSection = ".vs_version_info";

// The size of the block that holds the file's record; 0 when the file has
// none or its record is damaged at the root. `*handle` becomes 0.
DWORD GetFileVersionInfoSizeA(const char* filename, DWORD* handle);

// Fills `data` (`length` bytes) with the record. A block shorter than the
// size above holds a record cut to fit. False when the file has no record.
bool GetFileVersionInfoA(const char* filename, DWORD handle, DWORD length, void* data);

// Finds a value in a block that GetFileVersionInfoA filled: "\" gives the
// fixed part (VS_FIXEDFILEINFO), "\VarFileInfo\Translation" the language and
// code page pairs, "\StringFileInfo\<table>\<key>" a text. False, with
// `*length` 0, when the value is missing.
bool VerQueryValueA(const void* block, const char* subBlock, void** buffer, UINT* length);

// The bytes of the file's ".vs_version_info" section, when it is a
// little-endian ELF file that has one; nullopt otherwise. Nothing outside
// the file's headers and that section is read.
std::optional<std::string> ReadVersionSection(const std::filesystem::path& file);

} // namespace platform

#endif
