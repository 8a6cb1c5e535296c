#include "platform/AtomicFile.h"

#include <cerrno>
#include <cstdint>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace platform {

namespace {

std::error_code LastError() {
  return {errno, std::generic_category()};
}

bool Injected(ReplaceStep step) {
  if (!ReplaceFaultInjected(step)) return false;
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

// A large buffer asks for transparent huge pages before it is first
// touched: where page faults are dear (a virtual machine without nested
// paging), the 25,000 faults of 100 MB in small pages cost a third of a
// second, and in huge pages fifty.
void AskForHugePages(const std::string& buffer) {
  constexpr std::uintptr_t huge = 2 << 20;
  const auto start = reinterpret_cast<std::uintptr_t>(buffer.data());
  const std::uintptr_t begin = (start + huge - 1) & ~(huge - 1);
  const std::uintptr_t end = (start + buffer.capacity()) & ~(huge - 1);
  if (end > begin) ::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_HUGEPAGE);
}

} // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::error_code& error,
                                         std::size_t room) {
  // Read into one buffer of the file's size, so that a large file costs its
  // size once and not the doublings of a growing stream.
  error.clear();
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) {
    error = LastError();
    return std::nullopt;
  }
  struct stat info {};
  // One byte more than the size, so that the end is met without growing.
  const std::size_t size =
      (::fstat(descriptor, &info) == 0 && info.st_size > 0 ? std::size_t(info.st_size) + 1 : 4096) +
      room;
  std::string content;
  content.reserve(size);
  AskForHugePages(content);
  content.resize(size);
  std::size_t filled = 0;
  while (true) {
    if (filled == content.size()) content.resize(content.size() * 2);
    const ssize_t got = ::read(descriptor, content.data() + filled, content.size() - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) {
      if (got < 0) error = LastError();
      ::close(descriptor);
      if (got < 0) return std::nullopt;
      content.resize(filled);
      return content;
    }
    filled += std::size_t(got);
  }
}

std::error_code ReplaceFile(const std::filesystem::path& path, std::string_view content) {
  const std::filesystem::path folder = path.parent_path();
  const std::string pattern = (folder / ("." + path.filename().string() + ".XXXXXX")).string();
  std::vector<char> temporary(pattern.begin(), pattern.end());
  temporary.push_back('\0');

  if (Injected(ReplaceStep::CreateTemporary)) return LastError();
  int descriptor = ::mkostemp(temporary.data(), O_CLOEXEC);
  if (descriptor < 0) return LastError();
  // The caller learns the failing step's cause, not the clean-up's.
  const auto discard = [&] {
    const std::error_code error = LastError();
    if (descriptor >= 0) ::close(descriptor);
    ::unlink(temporary.data());
    return error;
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
  return {};
}

} // namespace platform
