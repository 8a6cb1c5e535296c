// What only the POSIX backend does: the old file's mode and owner kept, a
// new file for its owner alone, and a whole file after a crash at any step (AtomicFileBehaviourTest
// has the cases of every system).

#include "platform/AtomicFile.h"
#include "tests/support/TemporaryHome.h"

#include <gtest/gtest.h>

#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using platform::ReplaceStep;
namespace fs = std::filesystem;

class AtomicFile : public testsupport::TemporaryHome {
protected:
  void SetUp() override {
    TemporaryHome::SetUp();
    Write(File(), kOld);
    fs::permissions(File(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                fs::perms::others_read);
  }
  static constexpr const char* kOld = "old contents\n";
  static constexpr const char* kNew = "new contents, longer than the old ones\n";
};

// The user's file stays as they made it: its mode, its owner and its group.
// A new file is its owner's alone.
TEST_F(AtomicFile, KeepsTheModeAndTheOwnerOfTheFileItReplaces) {
  struct stat info {};
  const auto stated = [&](const fs::path& path) {
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return std::to_string(info.st_mode & 07777) + " " + std::to_string(info.st_uid) + ":" +
           std::to_string(info.st_gid);
  };
  const std::string before = stated(File());
  ASSERT_EQ(platform::ReplaceFile(File(), kNew), std::error_code());
  EXPECT_EQ(Read(File()), kNew);
  EXPECT_EQ(stated(File()), before);
  EXPECT_EQ(info.st_mode & 0777, 0644u);
  EXPECT_TRUE(OtherFiles().empty());

  ASSERT_EQ(platform::ReplaceFile(Folder() / "fresh", ""), std::error_code());
  EXPECT_EQ(Read(Folder() / "fresh"), "");
  EXPECT_EQ(stated(Folder() / "fresh"), std::to_string(0600) + " " + std::to_string(::geteuid()) +
                                            ":" + std::to_string(::getegid()));
  EXPECT_EQ(platform::ReplaceFile(Root() / "missing" / "file", kNew),
            std::errc::no_such_file_or_directory);
}

// Root (sudo -E in the user's home) gives the new file back to its owner;
// a process that cannot do so leaves another user's file alone.
TEST_F(AtomicFile, AnotherUsersFileStaysTheirs) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to make a file of another user's";
  const passwd* nobody = ::getpwnam("nobody");
  ASSERT_NE(nobody, nullptr);
  ASSERT_EQ(::chown(File().c_str(), nobody->pw_uid, nobody->pw_gid), 0);
  ASSERT_EQ(platform::ReplaceFile(File(), kNew), std::error_code());
  struct stat info {};
  ASSERT_EQ(::stat(File().c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, nobody->pw_uid);
  EXPECT_EQ(info.st_gid, nobody->pw_gid);
  EXPECT_EQ(info.st_mode & 0777, 0644u);

  // Root's file in a folder anyone may write, replaced by "nobody".
  ASSERT_EQ(::chown(File().c_str(), 0, 0), 0);
  fs::permissions(Folder(), fs::perms::all);
  fs::permissions(File(), fs::perms::all);
  const auto outcome = InChild(
      [&] {
        const std::error_code error = platform::ReplaceFile(File(), kOld);
        return error ? error.message() : std::string("replaced");
      },
      true);
  EXPECT_EQ(outcome, "Operation not permitted");
  EXPECT_EQ(Read(File()), kNew);
  EXPECT_TRUE(OtherFiles().empty());
}

TEST_F(AtomicFile, ACrashAtAnyStepLeavesOneWholeFile) {
  for (const ReplaceStep crash :
       {ReplaceStep::CreateTemporary, ReplaceStep::Write, ReplaceStep::Flush, ReplaceStep::Close,
        ReplaceStep::Rename, ReplaceStep::FlushFolder}) {
    Write(File(), kOld);
    const auto result = InChild(
        [&] {
          platform::SetReplaceFaultForTesting([&](ReplaceStep step) {
            if (step == crash) ::_exit(0);
            return false;
          });
          return platform::ReplaceFile(File(), kNew).message();
        },
        false);
    EXPECT_FALSE(result.has_value()) << "the child should have died at step " << int(crash);
    EXPECT_EQ(Read(File()), crash == ReplaceStep::FlushFolder ? kNew : kOld) << int(crash);
    // What a crash leaves behind is a hidden temporary beside the file.
    for (const std::string& name : OtherFiles())
      EXPECT_TRUE(name.starts_with(".Tallyon.reg."));
    ASSERT_EQ(platform::ReplaceFile(File(), kNew), std::error_code());
    EXPECT_EQ(Read(File()), kNew);
  }
}

} // namespace
