#pragma once
// The running program's own executable file, for reading its version record:
//   Linux: "/proc/self/exe", which the kernel resolves to the file itself
//   Windows: GetModuleFileNameA's "C:\Program Files\Tallyon\tallyon.exe"

#include <string>

namespace platform {

std::string ProgramFilePath();

} // namespace platform
