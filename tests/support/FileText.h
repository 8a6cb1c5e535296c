#pragma once
// Test helpers: a file's bytes written (with the folders it needs) and read
// back whole, on every system.

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace testsupport {

inline void WriteFileText(const std::filesystem::path& path, const std::string& text) {
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

inline std::string ReadFileText(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

} // namespace testsupport
