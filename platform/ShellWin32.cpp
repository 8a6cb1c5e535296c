#include "platform/Shell.h"

#include <windows.h>

#include <shellapi.h>

namespace platform {

std::error_code OpenWithShell(const std::string& address) {
  // ShellExecuteA's result is a number in the guise of a handle: above 32
  // for success, else an error (ERROR_FILE_NOT_FOUND, SE_ERR_NOASSOC, ...).
  const auto result = reinterpret_cast<INT_PTR>(
      ::ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
  if (result > 32) return {};
  return {static_cast<int>(result), std::system_category()};
}

} // namespace platform
