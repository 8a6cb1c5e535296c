// The POSIX backend of the shell's "open": xdg-open, found on the PATH and
// started apart from the program.

#include "platform/Shell.h"
#include "tests/support/TemporaryHome.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

namespace fs = std::filesystem;

class ShellOpen : public testsupport::TemporaryHome {
protected:
  void SetUp() override {
    TemporaryHome::SetUp();
    if (const char* path = std::getenv("PATH")) FSavedPath = path;
  }
  void TearDown() override {
    ::setenv("PATH", FSavedPath.c_str(), 1);
    TemporaryHome::TearDown();
  }
  std::string FSavedPath;
};

TEST_F(ShellOpen, HandsTheAddressToXdgOpen) {
  const fs::path opened = Root() / "opened";
  Write(Root() / "xdg-open", "#!/bin/sh\nprintf '%s|' \"$@\" > \"" + opened.string() +
                                 ".part\"\n"
                                 "mv \"" +
                                 opened.string() + ".part\" \"" + opened.string() + "\"\n");
  fs::permissions(Root() / "xdg-open", fs::perms::owner_all);
  ::setenv("PATH", (Root().string() + ":/usr/bin:/bin").c_str(), 1);
  EXPECT_EQ(platform::OpenWithShell("mailto:support@corvane.example?subject=a b"),
            std::error_code());
  for (int waited = 0; waited < 500 && !fs::exists(opened); ++waited)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  EXPECT_EQ(Read(opened), "mailto:support@corvane.example?subject=a b|");
}

TEST_F(ShellOpen, NoHandlerIsAnError) {
  ::setenv("PATH", Root().c_str(), 1);
  EXPECT_EQ(platform::OpenWithShell("https://www.corvane.example/"),
            std::errc::no_such_file_or_directory);
}

} // namespace
