#include "platform/AtomicFile.h"

#include <windows.h>
// <windows.h> makes ReplaceFile a macro for the system's ReplaceFileW; this
// file defines platform::ReplaceFile.
#undef ReplaceFile

#include <algorithm>
#include <random>

namespace platform {

namespace {

std::error_code LastError() {
  return {static_cast<int>(::GetLastError()), std::system_category()};
}

std::error_code InjectedError() {
  return std::make_error_code(std::errc::io_error);
}

// Closes the handle when it goes.
struct FileHandle {
  HANDLE handle;
  explicit FileHandle(HANDLE opened) : handle(opened) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() { Close(); }
  bool Valid() const { return handle != INVALID_HANDLE_VALUE; }
  bool Close() {
    const bool closed = !Valid() || ::CloseHandle(handle) != 0;
    handle = INVALID_HANDLE_VALUE;
    return closed;
  }
};

bool WriteAll(HANDLE file, std::string_view content) {
  while (!content.empty()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size(), 1u << 30));
    DWORD written = 0;
    if (::WriteFile(file, content.data(), chunk, &written, nullptr) == 0 || written == 0)
      return false;
    content.remove_prefix(written);
  }
  return true;
}

// A new hidden file beside `path`, ".<name>.<number>", that no one else has.
HANDLE CreateTemporary(const std::filesystem::path& path, std::filesystem::path& temporary) {
  std::random_device seed;
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = path.parent_path() /
                ("." + path.filename().string() + "." + std::to_string(seed() % 1000000u));
    const HANDLE file = ::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE || ::GetLastError() != ERROR_FILE_EXISTS) return file;
  }
  return INVALID_HANDLE_VALUE;
}

} // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path, std::error_code& error,
                                         std::size_t room) {
  error.clear();
  FileHandle file(::CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file.Valid()) {
    error = LastError();
    return std::nullopt;
  }
  LARGE_INTEGER size{};
  if (::GetFileSizeEx(file.handle, &size) == 0) {
    error = LastError();
    return std::nullopt;
  }
  std::string content;
  content.reserve(static_cast<std::size_t>(size.QuadPart) + room);
  char buffer[1 << 16];
  while (true) {
    DWORD got = 0;
    if (::ReadFile(file.handle, buffer, sizeof buffer, &got, nullptr) == 0) {
      error = LastError();
      return std::nullopt;
    }
    if (got == 0) return content;
    content.append(buffer, got);
  }
}

std::error_code ReplaceFile(const std::filesystem::path& path, std::string_view content) {
  if (ReplaceFaultInjected(ReplaceStep::CreateTemporary)) return InjectedError();
  std::filesystem::path temporary;
  FileHandle file(CreateTemporary(path, temporary));
  if (!file.Valid()) return LastError();
  // The caller learns the failing step's cause, not the clean-up's.
  const auto discard = [&](std::error_code error) {
    file.Close();
    ::DeleteFileW(temporary.c_str());
    return error;
  };
  if (ReplaceFaultInjected(ReplaceStep::Write)) return discard(InjectedError());
  if (!WriteAll(file.handle, content)) return discard(LastError());
  if (ReplaceFaultInjected(ReplaceStep::Flush)) return discard(InjectedError());
  if (::FlushFileBuffers(file.handle) == 0) return discard(LastError());
  if (ReplaceFaultInjected(ReplaceStep::Close)) return discard(InjectedError());
  if (!file.Close()) return discard(LastError());
  if (ReplaceFaultInjected(ReplaceStep::Rename)) return discard(InjectedError());
  // Write-through: the rename is on the disk when the call returns, which
  // is what flushing the folder does on POSIX systems.
  if (::MoveFileExW(temporary.c_str(), path.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0)
    return discard(LastError());
  ReplaceFaultInjected(ReplaceStep::FlushFolder);
  return {};
}

} // namespace platform
