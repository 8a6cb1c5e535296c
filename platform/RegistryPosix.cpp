#include "platform/Registry.h"

#include "platform/AtomicFile.h"
#include "platform/RegistryErrors.h"
#include "platform/RegistryFile.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace platform {

namespace fs = std::filesystem;

namespace {

std::vector<fs::path>& KeptFiles() {
  static std::vector<fs::path> kept;
  return kept;
}

std::vector<std::string_view> KeyParts(std::string_view key) {
  std::vector<std::string_view> parts;
  while (!key.empty()) {
    const std::size_t end = key.find('\\');
    if (end != 0) parts.push_back(key.substr(0, end));
    if (end == std::string_view::npos) break;
    key.remove_prefix(end + 1);
  }
  return parts;
}

bool IsFileName(std::string_view part) {
  return part != "." && part != ".." && part.find('/') == std::string_view::npos &&
         part.find('\0') == std::string_view::npos;
}

bool IsSoftware(std::string_view part) {
  constexpr std::string_view software = "software";
  if (part.size() != software.size()) return false;
  for (std::size_t i = 0; i < part.size(); ++i)
    if ((part[i] | 0x20) != software[i]) return false;
  return true;
}

std::optional<fs::path> ConfigHome() {
  const char* config = std::getenv("XDG_CONFIG_HOME");
  if (config != nullptr && config[0] == '/') return fs::path(config);
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0') {
    const passwd* user = ::getpwuid(::getuid());
    home = user != nullptr ? user->pw_dir : nullptr;
  }
  if (home == nullptr || *home == '\0') return std::nullopt;
  return fs::path(home) / ".config";
}

// Folders the program makes for its settings are its user's alone.
bool MakeFolders(const fs::path& folder) {
  fs::path partial;
  for (const fs::path& part : folder) {
    partial /= part;
    if (::mkdir(partial.c_str(), S_IRWXU) != 0 && errno != EEXIST) return false;
  }
  std::error_code error;
  return fs::is_directory(folder, error);
}

bool MoveWithoutReplacing(const fs::path& from, const fs::path& to) {
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  if (errno != EINVAL && errno != ENOSYS) return false;
  if (::link(from.c_str(), to.c_str()) != 0) return false;
  ::unlink(from.c_str());
  return true;
}

// Moves the file to a free name "<name>.damaged-<date>-<time>[-n]" beside it.
std::optional<fs::path> KeepAside(const fs::path& file) {
  char stamp[32];
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  for (int n = 1; n <= 100; ++n) {
    fs::path kept = file;
    kept += ".damaged-" + std::string(stamp) + (n > 1 ? "-" + std::to_string(n) : "");
    if (MoveWithoutReplacing(file, kept)) return kept;
    if (errno != EEXIST) return std::nullopt;
  }
  return std::nullopt;
}

std::string KeyName(std::string_view key) {
  std::string name = "HKEY_CURRENT_USER";
  for (const std::string_view part : KeyParts(key))
    name += "\\" + std::string(part);
  return name;
}

// A file larger than this is not settings: it is treated as damaged, so that
// reading it can neither take long nor exhaust the memory.
constexpr std::uintmax_t LargestFile = 100u << 20;

// The target of a link, when the link may be written through: a regular
// file of this user's that it may replace (a settings file kept in a
// dotfiles folder, say).
std::optional<fs::path> OwnTarget(const fs::path& link, bool writes) {
  std::error_code error;
  const fs::path target = fs::canonical(link, error);
  struct stat info {};
  if (error || ::stat(target.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
      info.st_uid != ::geteuid())
    return std::nullopt;
  if (writes &&
      (::access(target.c_str(), W_OK) != 0 || ::access(target.parent_path().c_str(), W_OK) != 0))
    return std::nullopt;
  return target;
}

} // namespace

// The key's file as it stands, with a damaged one moved aside (a link is
// moved itself, its target left alone); false, with the failure noted, when
// it cannot be read or kept.
bool TRegistry::LoadFile(const fs::path& file, std::string_view key, bool exists, bool writes,
                         RegistryFile& content) {
  std::error_code error;
  const std::uintmax_t size = exists ? fs::file_size(file, error) : 0;
  const bool tooLarge = !error && size > LargestFile;
  if (exists && !tooLarge) {
    std::error_code readError;
    std::optional<std::string> text = ReadWholeFile(file, readError, RegistryFile::kRoomToEdit);
    if (!text) return Refuse(file, std::strerror(readError.value()));
    if (auto parsed = RegistryFile::Parse(std::move(*text), key)) {
      content = std::move(*parsed);
      return true;
    }
  }
  content = RegistryFile();
  if (!exists) return true;
  if (!writes) return Refuse(file, "Not a settings file");
  const std::optional<fs::path> kept = KeepAside(file);
  if (!kept) return Refuse(file, std::strerror(errno));
  KeptFiles().push_back(*kept);
  return true;
}

struct TRegistry::TKey {
  fs::path file; // where the file is replaced: a followed link's target
  std::string name;
  RegistryFile content;
  bool updating = false;                   // between BeginUpdate and EndUpdate
  std::optional<std::string> firstPending; // the first value written in the update
};

std::optional<fs::path> RegistryFileFor(std::string_view key) {
  const std::vector<std::string_view> parts = KeyParts(key);
  if (parts.size() < 3 || !IsSoftware(parts[0]) || !IsFileName(parts[1]) || !IsFileName(parts[2]))
    return std::nullopt;
  const std::optional<fs::path> home = ConfigHome();
  if (!home) return std::nullopt;
  return *home / std::string(parts[1]) / (std::string(parts[2]) + ".reg");
}

TRegistry::TRegistry(std::uint32_t access) : FAccess(access) {}

TRegistry::~TRegistry() = default;

bool TRegistry::OpenKey(std::string_view key, bool canCreate) {
  CloseKey();
  FFailure.reset();
  const std::optional<fs::path> file = RegistryFileFor(key);
  if (!file) return Refuse({}, "No home folder");
  const bool writes = (FAccess & (KEY_SET_VALUE | KEY_CREATE_SUB_KEY)) != 0;
  if ((writes || canCreate) && !MakeFolders(file->parent_path()))
    return Refuse(file->parent_path(), std::strerror(errno));

  std::error_code error;
  const bool link = fs::is_symlink(*file, error);
  const fs::file_status status = fs::status(*file, error);
  const bool exists = fs::exists(status);
  if (error && !exists && error != std::errc::no_such_file_or_directory)
    return Refuse(*file, error.message());
  if (exists && !fs::is_regular_file(status))
    return Refuse(*file, fs::is_directory(status) ? std::strerror(EISDIR) : "Not a regular file");
  // A link is read through. It is written through only to a regular file
  // of this user's; any other link is replaced by a file of the key's own,
  // so that whatever it pointed to (another program's file) keeps its contents.
  const std::optional<fs::path> target = link && exists ? OwnTarget(*file, writes) : std::nullopt;
  if (writes && !target &&
      (::access(file->parent_path().c_str(), W_OK) != 0 ||
       (exists && !link && ::access(file->c_str(), W_OK) != 0)))
    return Refuse(*file, std::strerror(errno));

  const std::string name = KeyName(key);
  RegistryFile content;
  if (!LoadFile(*file, name, exists, writes, content)) return false;
  // A damaged file behind the link was moved aside with the link.
  const fs::path written = target && fs::is_symlink(*file, error) ? *target : *file;
  if (!content.HasKey(name)) {
    if (!canCreate) return Refuse(*file, std::string(NoSuchKey));
    content.AddKey(name);
    if (const std::error_code replaced = ReplaceFile(written, content.Text()))
      return Refuse(written, std::strerror(replaced.value()));
  }
  FKey = std::make_unique<TKey>(TKey{written, name, std::move(content), false, std::nullopt});
  return true;
}

void TRegistry::CloseKey() {
  FKey.reset();
}

std::optional<RegistryValue> TRegistry::Find(std::string_view name) const {
  return FKey ? FKey->content.Find(FKey->name, name) : std::nullopt;
}

void TRegistry::Write(std::string_view name, const RegistryValue& value) {
  if (FKey && (FAccess & KEY_SET_VALUE) != 0) {
    if (FKey->updating) {
      if (FKey->content.Set(FKey->name, name, value)) {
        if (!FKey->firstPending) FKey->firstPending = std::string(name);
        return;
      }
    } else {
      // The change is made on a copy, so a failed write leaves the key as it was.
      RegistryFile changed = FKey->content;
      if (changed.Set(FKey->name, name, value)) {
        if (const std::error_code error = ReplaceFile(FKey->file, changed.Text()))
          throw SetDataError(name, std::strerror(error.value()));
        FKey->content = std::move(changed);
        return;
      }
    }
  }
  throw SetDataError(name);
}

void TRegistry::BeginUpdate() {
  if (FKey) FKey->updating = true;
}

void TRegistry::EndUpdate() {
  if (!FKey || !FKey->updating) return;
  FKey->updating = false;
  const std::optional<std::string> first = std::exchange(FKey->firstPending, std::nullopt);
  if (!first) return;
  if (const std::error_code error = ReplaceFile(FKey->file, FKey->content.Text())) {
    // The key no longer holds what its file does: it is closed.
    FKey.reset();
    throw SetDataError(*first, std::strerror(error.value()));
  }
}

std::vector<fs::path> TRegistry::TakeKeptFiles() {
  return std::exchange(KeptFiles(), {});
}

} // namespace platform
