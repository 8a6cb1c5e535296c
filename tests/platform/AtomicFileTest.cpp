// What only the POSIX backend does: a file for its owner alone, and a
// whole file after a crash at any step (AtomicFileBehaviourTest has the
// cases of every system).

#include "platform/AtomicFile.h"
#include "tests/support/TemporaryHome.h"

#include <gtest/gtest.h>

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

TEST_F(AtomicFile, ReplacesWithAFileForItsOwnerOnly) {
  ASSERT_EQ(platform::ReplaceFile(File(), kNew), std::error_code());
  EXPECT_EQ(Read(File()), kNew);
  struct stat info {};
  ASSERT_EQ(::stat(File().c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  EXPECT_TRUE(OtherFiles().empty());

  ASSERT_EQ(platform::ReplaceFile(Folder() / "fresh", ""), std::error_code());
  EXPECT_EQ(Read(Folder() / "fresh"), "");
  EXPECT_EQ(platform::ReplaceFile(Root() / "missing" / "file", kNew),
            std::errc::no_such_file_or_directory);
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
