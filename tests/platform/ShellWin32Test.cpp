// The Windows backend of the shell's "open": ShellExecuteA's failures
// come back as error values.

#include "platform/Shell.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(ShellOpenWin32, AMissingFileIsAnErrorOfTheSystem) {
  const std::error_code error = platform::OpenWithShell("C:\\no\\such\\folder\\file.txt");
  EXPECT_EQ(error.category(), std::system_category());
  EXPECT_TRUE(error.value() == ERROR_FILE_NOT_FOUND || error.value() == ERROR_PATH_NOT_FOUND)
      << error.value();
}

} // namespace
