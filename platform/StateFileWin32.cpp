#include "platform/StateFile.h"

#include <windows.h>

#include <cstdlib>

namespace platform {

std::optional<std::filesystem::path> StateHome() {
  const wchar_t* local = _wgetenv(L"LOCALAPPDATA");
  if (local == nullptr || *local == L'\0') return std::nullopt;
  return std::filesystem::path(local);
}

namespace {

std::error_code LastError() {
  return {static_cast<int>(::GetLastError()), std::system_category()};
}

} // namespace

// The folder inherits the user's own access, as every folder under
// %LOCALAPPDATA% does.
std::error_code MakeStateFolder(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  return error;
}

// FILE_APPEND_DATA alone makes every write go to the end as one step, so
// lines of two writers do not mix.
std::error_code AppendToFile(const std::filesystem::path& path, std::string_view text) {
  const HANDLE file =
      ::CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return LastError();
  DWORD written = 0;
  std::error_code error;
  if (::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) == 0)
    error = LastError();
  else if (written != text.size())
    error = std::make_error_code(std::errc::io_error);
  if (::CloseHandle(file) == 0 && !error) error = LastError();
  return error;
}

std::error_code EmptyFile(const std::filesystem::path& path) {
  const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE)
    return ::GetLastError() == ERROR_FILE_NOT_FOUND ? std::error_code() : LastError();
  return ::CloseHandle(file) != 0 ? std::error_code() : LastError();
}

} // namespace platform
