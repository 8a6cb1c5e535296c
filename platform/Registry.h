#pragma once
// TRegistry: the keys of the current user (HKEY_CURRENT_USER) with the value
// operations a program's settings need. Where the system has no registry the
// keys of one program, HKEY_CURRENT_USER\Software\<Vendor>\<Program>, live in
// the file $XDG_CONFIG_HOME/<Vendor>/<Program>.reg ($HOME/.config when the
// variable is unset), in the registry export format (see RegistryFile.h).
//
// Each write reaches the file at once and whole (AtomicFile.h); the writes
// between BeginUpdate and EndUpdate reach it together, all or none. A
// symbolic link in the file's place is read through; it is written through
// (the same replacement, in the target's folder) when it leads to a regular
// file of this user's that holds a key, and any other link is replaced by a
// file of its own at the first write. A file that is not in the format, or
// larger than 100 MB, is never overwritten: OpenKey moves it aside to
// "<Program>.reg.damaged-YYYYMMDD-HHMMSS" and starts the key afresh. A
// folder that cannot be made or a file that cannot be read or written means
// the key cannot be opened, as a key without access does on Windows;
// OpenFailure then tells which file and why.
//
// On Windows these are the system's registry calls (RegistryWin32.cpp): a
// write reaches the registry at once, and the writes of an update are made
// at EndUpdate, those already made undone when one fails. The key names
// the failures there, and no file is ever kept aside.
//
// Include this header before <windows.h>: the access rights below are
// macros there, of the same values.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct RegistryValue;

// "Invalid data type for '%s'", "Failed to get data for '%s'", "Failed to
// set data for '%s'", with the value's name.
class ERegistryException : public std::runtime_error {
public:
  explicit ERegistryException(const std::string& message) : std::runtime_error(message) {}
};

enum TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

// Access rights as Windows numbers them.
constexpr std::uint32_t KEY_SET_VALUE = 0x0002;
constexpr std::uint32_t KEY_CREATE_SUB_KEY = 0x0004;
constexpr std::uint32_t KEY_READ = 0x20019;
constexpr std::uint32_t KEY_ALL_ACCESS = 0xF003F;

class RegistryFile;

// The file a key could not be opened in and the system's reason
// ("Permission denied", "Is a directory").
struct TOpenFailure {
  std::filesystem::path file;
  std::string reason;
};
// OpenFailure's reason when the key is missing and may not be created.
inline constexpr std::string_view NoSuchKey = "No such key";

class TRegistry {
public:
  explicit TRegistry(std::uint32_t access = KEY_ALL_ACCESS);
  ~TRegistry();
  TRegistry(const TRegistry&) = delete;
  TRegistry& operator=(const TRegistry&) = delete;

  // Opens "\Software\Vendor\Program" (or a key below it), creating it when
  // `canCreate` is set. False when it is missing and may not be created, or
  // cannot be opened with the access asked for.
  bool OpenKey(std::string_view key, bool canCreate);
  void CloseKey();
  // Why the last OpenKey returned false; nothing after one that succeeded.
  const std::optional<TOpenFailure>& OpenFailure() const { return FFailure; }

  // These need an open key. A missing value reads as rdUnknown, and as an
  // empty text; ReadInteger fails on it. Writing a value that cannot be
  // stored throws "Failed to set data for 'Name'", with the system's cause
  // on a second line when there is one; the key then holds what it held.
  bool ValueExists(std::string_view name) const;
  TRegDataType GetDataType(std::string_view name) const;
  std::string ReadString(std::string_view name) const;   // REG_SZ, REG_EXPAND_SZ
  std::int32_t ReadInteger(std::string_view name) const; // REG_DWORD
  void WriteString(std::string_view name, std::string_view value);
  void WriteInteger(std::string_view name, std::int32_t value);

  // Holds the writes that follow until EndUpdate, which stores them in one
  // replacement of the file. When that fails it throws the error of the
  // first value written since BeginUpdate and closes the key: the file then
  // holds none of them.
  void BeginUpdate();
  void EndUpdate();

  // The names under which damaged files were kept since the last call, so
  // that the program can tell its user once.
  static std::vector<std::filesystem::path> TakeKeptFiles();

private:
  struct TKey;
  // The backend's: the value as stored (nullopt when missing or no key is
  // open), and the write of one.
  std::optional<RegistryValue> Find(std::string_view name) const;
  void Write(std::string_view name, const RegistryValue& value);
  bool LoadFile(const std::filesystem::path& file, std::string_view key, bool exists, bool writes,
                RegistryFile& content);
  bool Refuse(const std::filesystem::path& file, const std::string& reason);

  std::uint32_t FAccess;
  std::unique_ptr<TKey> FKey;
  std::optional<TOpenFailure> FFailure;
};

// The file that holds a key under HKEY_CURRENT_USER, as described above;
// nullopt for a key outside "Software\Vendor\Program" or without a home.
// Where the system has a registry, the key's full name
// ("HKEY_CURRENT_USER\Software\Corvane\Tallyon"), which notices show.
std::optional<std::filesystem::path> RegistryFileFor(std::string_view key);

} // namespace platform
