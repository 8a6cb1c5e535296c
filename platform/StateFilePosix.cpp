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

bool MakeStateFolder(const std::filesystem::path& folder) {
  std::filesystem::path partial;
  for (const std::filesystem::path& part : folder) {
    partial /= part;
    if (::mkdir(partial.c_str(), S_IRWXU) != 0 && errno != EEXIST) return false;
  }
  return true;
}

// O_APPEND moves to the end and writes in one step, so lines of two writers
// do not mix; the file is opened for each line, so that a compaction's new
// file is the one appended to.
bool AppendToFile(const std::filesystem::path& path, std::string_view text) {
  const int descriptor =
      ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
  if (descriptor < 0) return false;
  ssize_t written = -1;
  do
    written = ::write(descriptor, text.data(), text.size());
  while (written < 0 && errno == EINTR);
  const int error = errno;
  const bool closed = ::close(descriptor) == 0;
  if (written != ssize_t(text.size())) {
    errno = written < 0 ? error : EIO;
    return false;
  }
  return closed;
}

bool EmptyFile(const std::filesystem::path& path) {
  const int descriptor = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
  if (descriptor < 0) return errno == ENOENT;
  return ::close(descriptor) == 0;
}

} // namespace platform
