#include "platform/ProgramFile.h"

#include <windows.h>

namespace platform {

std::string ProgramFilePath() {
  // A path longer than the buffer comes back cut to fit: the buffer grows
  // until it holds the whole path.
  std::string path(MAX_PATH, '\0');
  while (true) {
    const DWORD length =
        ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length == 0) return {};
    if (length < path.size()) {
      path.resize(length);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

} // namespace platform
