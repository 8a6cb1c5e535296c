#include "platform/AtomicFile.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

std::function<bool(ReplaceStep)>& Fault() {
  static std::function<bool(ReplaceStep)> fault;
  return fault;
}

bool Injected(ReplaceStep step) {
  if (!Fault() || !Fault()(step)) return false;
  errno = EIO;
  return true;
}

bool WriteAll(int descriptor, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = ::write(descriptor, content.data(), content.size());
    if (written < 0 && errno == EINTR) continue;
    if (written <= 0) return false;
    content.remove_prefix(std::size_t(written));
  }
  return true;
}

void FlushFolder(const std::filesystem::path& folder) {
  if (Injected(ReplaceStep::FlushFolder)) return;
  const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descriptor < 0) return;
  ::fsync(descriptor);
  ::close(descriptor);
}

} // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return std::move(content).str();
}

bool ReplaceFile(const std::filesystem::path& path, std::string_view content) {
  const std::filesystem::path folder = path.parent_path();
  const std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
  std::vector<char> temporary(pattern.begin(), pattern.end());
  temporary.push_back('\0');

  if (Injected(ReplaceStep::CreateTemporary)) return false;
  int descriptor = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (descriptor < 0) return false;
  const auto discard = [&] {
    if (descriptor >= 0) ::close(descriptor);
    ::unlink(temporary.data());
    return false;
  };
  if (::fchmod(descriptor, S_IRUSR | S_IWUSR) != 0) return discard();
  if (Injected(ReplaceStep::Write) || !WriteAll(descriptor, content)) return discard();
  if (Injected(ReplaceStep::Flush) || ::fsync(descriptor) != 0) return discard();
  const bool injected = Injected(ReplaceStep::Close);
  const bool closed = ::close(descriptor) == 0 && !injected;
  descriptor = -1;
  if (!closed) return discard();
  if (Injected(ReplaceStep::Rename) || ::rename(temporary.data(), path.c_str()) != 0)
    return discard();
  FlushFolder(folder.empty() ? "." : folder);
  return true;
}

void SetReplaceFaultForTesting(std::function<bool(ReplaceStep)> fault) {
  Fault() = std::move(fault);
}

} // namespace platform
