// The version resource windres compiles into every Windows program, read by
// the system's own version-record calls: the same record the build makes
// from cmake/Tallyon.version.

#include "platform/ProgramFile.h"
#include "platform/VersionInfo.h"
#include "platform/VersionRecord.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

platform::VersionDescription Description() {
  std::ifstream in(TALLYON_VERSION_DESCRIPTION, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return platform::ParseVersionDescription(text.str());
}

// This program's own record as the system hands it out.
std::vector<unsigned char> OwnRecord() {
  const std::string program = platform::ProgramFilePath();
  platform::DWORD handle = 0;
  const platform::DWORD size = platform::GetFileVersionInfoSizeA(program.c_str(), &handle);
  std::vector<unsigned char> block(size);
  if (size == 0 || !platform::GetFileVersionInfoA(program.c_str(), handle, size, block.data()))
    block.clear();
  return block;
}

TEST(VersionResource, TheSystemReadsTheFixedPartAndTranslationOfTheDescription) {
  const std::vector<unsigned char> block = OwnRecord();
  ASSERT_FALSE(block.empty()) << platform::ProgramFilePath();
  const std::string built = platform::BuildVersionRecord(Description());
  void* value = nullptr;
  platform::UINT length = 0;
  for (const char* path : {"\\", "\\VarFileInfo\\Translation"}) {
    ASSERT_TRUE(platform::VerQueryValueA(block.data(), path, &value, &length)) << path;
    const auto expected = platform::FindVersionValue(
        {reinterpret_cast<const unsigned char*>(built.data()), built.size()}, path);
    ASSERT_TRUE(expected.has_value()) << path;
    EXPECT_EQ(
        std::string(static_cast<const char*>(value), length),
        std::string(reinterpret_cast<const char*>(expected->bytes.data()), expected->bytes.size()))
        << path;
  }
}

TEST(VersionResource, EveryTextOfTheDescriptionReadsBack) {
  const std::vector<unsigned char> block = OwnRecord();
  ASSERT_FALSE(block.empty());
  const platform::VersionDescription description = Description();
  ASSERT_FALSE(description.strings.empty());
  for (const auto& [key, text] : description.strings) {
    const std::string path = "\\StringFileInfo\\040904E4\\" + key;
    void* value = nullptr;
    platform::UINT length = 0;
    ASSERT_TRUE(platform::VerQueryValueA(block.data(), path.c_str(), &value, &length)) << key;
    EXPECT_EQ(std::string(static_cast<const char*>(value)), text) << key;
    // The system counts characters with the NUL: an empty text is present.
    EXPECT_EQ(length, text.size() + 1) << key;
  }
  void* value = nullptr;
  platform::UINT length = 7;
  EXPECT_FALSE(platform::VerQueryValueA(block.data(), "\\StringFileInfo\\040904E4\\Missing", &value,
                                        &length));
}

} // namespace
