#pragma once
// Test fixture: a fresh folder under the system's temporary folder for each
// test, removed afterwards, on every system the tests run on.

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <system_error>

namespace testsupport {

class TemporaryFolder : public ::testing::Test {
protected:
  void SetUp() override {
    FFolder = std::filesystem::temp_directory_path() /
              ("tallyon-test-" + std::to_string(std::random_device()()));
    ASSERT_TRUE(std::filesystem::create_directory(FFolder));
  }
  void TearDown() override {
    std::error_code error;
    std::filesystem::remove_all(FFolder, error);
  }

  const std::filesystem::path& Folder() const { return FFolder; }

private:
  std::filesystem::path FFolder;
};

} // namespace testsupport
