#pragma once
// Test fixture: a fresh temporary folder as $XDG_CONFIG_HOME for each test,
// removed afterwards, plus helpers to run code in a child process (as a user
// without root's way past file permissions, or to let it die mid-way).

#include "platform/AtomicFile.h"
#include "tests/support/FileText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testsupport {

namespace fs = std::filesystem;

class TemporaryHome : public ::testing::Test {
protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tallyon-test-XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    FRoot = pattern;
    // Children that drop root must be able to reach the files.
    fs::permissions(FRoot, fs::perms::owner_all | fs::perms::group_exec | fs::perms::others_exec);
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) FSavedConfig = old;
    ::setenv("XDG_CONFIG_HOME", FRoot.c_str(), 1);
  }

  void TearDown() override {
    platform::SetReplaceFaultForTesting({});
    if (FSavedConfig)
      ::setenv("XDG_CONFIG_HOME", FSavedConfig->c_str(), 1);
    else
      ::unsetenv("XDG_CONFIG_HOME");
    std::error_code error;
    for (const auto& entry : fs::recursive_directory_iterator(FRoot, error))
      if (entry.is_directory(error)) fs::permissions(entry.path(), fs::perms::owner_all, error);
    fs::remove_all(FRoot, error);
  }

  const fs::path& Root() const { return FRoot; }
  fs::path Folder() const { return FRoot / "Corvane"; }
  fs::path File() const { return Folder() / "Tallyon.reg"; }

  static void Write(const fs::path& path, const std::string& text) { WriteFileText(path, text); }
  static std::string Read(const fs::path& path) { return ReadFileText(path); }

  // The names in the folder other than the settings file itself.
  std::vector<std::string> OtherFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(Folder()))
      if (entry.path() != File()) names.push_back(entry.path().filename().string());
    return names;
  }

  // Runs `body` in a child process (as user "nobody" when the tests run as
  // root) and returns what it returned; nullopt when the child died or
  // exited by itself.
  static std::optional<std::string> InChild(const std::function<std::string()>& body,
                                            bool unprivileged) {
    int channel[2];
    if (::pipe(channel) != 0) return std::nullopt;
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(channel[0]);
      if (unprivileged && ::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
        ::_exit(99);
      const std::string result = body();
      const bool written =
          ::write(channel[1], result.data(), result.size()) == static_cast<ssize_t>(result.size());
      ::_exit(written ? 0 : 98);
    }
    ::close(channel[1]);
    std::string result;
    char buffer[4096];
    for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;)
      result.append(buffer, std::size_t(n));
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || result.empty()) return std::nullopt;
    return result;
  }

private:
  fs::path FRoot;
  std::optional<std::string> FSavedConfig;
};

} // namespace testsupport
