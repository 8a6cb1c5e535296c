#include "platform/ProgramFile.h"

namespace platform {

// The link rather than its target, so a program replaced while it runs
// still reads its own record.
std::string ProgramFilePath() {
  return "/proc/self/exe";
}

} // namespace platform
