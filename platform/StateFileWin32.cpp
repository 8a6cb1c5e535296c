#include "platform/StateFile.h"

#include <windows.h>

#include <cstdlib>

namespace platform {

std::optional<std::filesystem::path> StateHome() {
  const wchar_t* local = _wgetenv(L"LOCALAPPDATA");
  if (local == nullptr || *local == L'\0') return std::nullopt;
  return std::filesystem::path(local);
}

// The folder inherits the user's own access, as every folder under
// %LOCALAPPDATA% does.
bool MakeStateFolder(const std::filesystem::path& folder) {
  std::error_code error;
  std::filesystem::create_directories(folder, error);
  return !error;
}

// FILE_APPEND_DATA alone makes every write go to the end as one step, so
// lines of two writers do not mix.
bool AppendToFile(const std::filesystem::path& path, std::string_view text) {
  const HANDLE file =
      ::CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool whole =
      ::WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != 0 &&
      written == text.size();
  return ::CloseHandle(file) != 0 && whole;
}

bool EmptyFile(const std::filesystem::path& path) {
  const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                    nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return ::GetLastError() == ERROR_FILE_NOT_FOUND;
  return ::CloseHandle(file) != 0;
}

} // namespace platform
