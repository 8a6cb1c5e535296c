#include "platform/StateFile.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

std::optional<std::filesystem::path> StateHome() {
  const char* state = std::getenv("XDG_STATE_HOME");
  if (state != nullptr && state[0] == '/') return std::filesystem::path(state);
  const char* home = std::getenv("HOME");
  if (home == nullptr || *home == '\0') {
    const passwd* user = ::getpwuid(::getuid());
    home = user != nullptr ? user->pw_dir : nullptr;
  }
  if (home == nullptr || *home == '\0') return std::nullopt;
  return std::filesystem::path(home) / ".local" / "state";
}

namespace {

std::error_code LastError() {
  return {errno, std::generic_category()};
}

} // namespace

std::error_code MakeStateFolder(const std::filesystem::path& folder) {
  std::filesystem::path partial;
  for (const std::filesystem::path& part : folder) {
    partial /= part;
    if (::mkdir(partial.c_str(), S_IRWXU) != 0 && errno != EEXIST) return LastError();
  }
  return {};
}

// O_APPEND moves to the end and writes in one step, so lines of two writers
// do not mix; the file is opened for each line, so that a compaction's new
// file is the one appended to.
std::error_code AppendToFile(const std::filesystem::path& path, std::string_view text) {
  const int descriptor =
      ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
  if (descriptor < 0) return LastError();
  ssize_t written = -1;
  do
    written = ::write(descriptor, text.data(), text.size());
  while (written < 0 && errno == EINTR);
  const std::error_code writeError =
      written < 0 ? LastError() : std::make_error_code(std::errc::io_error);
  const std::error_code closeError = ::close(descriptor) == 0 ? std::error_code() : LastError();
  return written != ssize_t(text.size()) ? writeError : closeError;
}

std::error_code EmptyFile(const std::filesystem::path& path) {
  const int descriptor = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (descriptor < 0) return errno == ENOENT ? std::error_code() : LastError();
  return ::close(descriptor) == 0 ? std::error_code() : LastError();
}

} // namespace platform
