// What file replacement and reading do on every system, run on the backend
// of the system the tests are built for.

#include "platform/AtomicFile.h"
#include "tests/support/FileText.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using platform::ReplaceStep;

class AtomicFileBehaviour : public testsupport::TemporaryFolder {
protected:
  void TearDown() override {
    platform::SetReplaceFaultForTesting({});
    TemporaryFolder::TearDown();
  }

  fs::path File() const { return Folder() / "Tallyon.reg"; }
  static void Write(const fs::path& path, const std::string& text) {
    testsupport::WriteFileText(path, text);
  }
  static std::string Read(const fs::path& path) { return testsupport::ReadFileText(path); }
  std::vector<fs::path> Files() const {
    return {fs::directory_iterator(Folder()), fs::directory_iterator()};
  }

  static constexpr const char* kOld = "old contents\n";
  static constexpr const char* kNew = "new contents, longer than the old ones\n";
};

TEST_F(AtomicFileBehaviour, ReplacesOrMakesTheFile) {
  Write(File(), kOld);
  ASSERT_EQ(platform::ReplaceFile(File(), kNew), std::error_code());
  EXPECT_EQ(Read(File()), kNew);
  const fs::path fresh = File().parent_path() / "fresh";
  ASSERT_EQ(platform::ReplaceFile(fresh, ""), std::error_code());
  EXPECT_TRUE(fs::exists(fresh));
  EXPECT_EQ(Read(fresh), "");
  EXPECT_TRUE(platform::ReplaceFile(File().parent_path() / "missing" / "file", kNew));
  EXPECT_EQ(Files().size(), 2u) << "no temporary file is left";
}

TEST_F(AtomicFileBehaviour, AFailingStepLeavesTheOldFileAndNoLitter) {
  const struct {
    ReplaceStep step;
    bool replaced;
  } table[] = {{ReplaceStep::CreateTemporary, false}, {ReplaceStep::Write, false},
               {ReplaceStep::Flush, false},           {ReplaceStep::Close, false},
               {ReplaceStep::Rename, false},          {ReplaceStep::FlushFolder, true}};
  for (const auto& row : table) {
    Write(File(), kOld);
    platform::SetReplaceFaultForTesting([&](ReplaceStep step) { return step == row.step; });
    const std::error_code expected =
        row.replaced ? std::error_code() : std::make_error_code(std::errc::io_error);
    EXPECT_EQ(platform::ReplaceFile(File(), kNew), expected) << int(row.step);
    EXPECT_EQ(Read(File()), row.replaced ? kNew : kOld) << int(row.step);
    EXPECT_EQ(Files(), std::vector<fs::path>{File()}) << int(row.step);
  }
}

TEST_F(AtomicFileBehaviour, ReadsWholeFilesWithAnyBytes) {
  const std::string bytes("a\0b\r\n\x1a\xff", 7);
  Write(File(), bytes);
  std::error_code error;
  EXPECT_EQ(platform::ReadWholeFile(File(), error), bytes);
  EXPECT_FALSE(error);
  const std::string large(3 << 16, 'x');
  Write(File(), large);
  EXPECT_EQ(platform::ReadWholeFile(File(), error, 100), large);
  EXPECT_EQ(platform::ReadWholeFile(File().parent_path() / "missing", error), std::nullopt);
  EXPECT_TRUE(error);
}

} // namespace
