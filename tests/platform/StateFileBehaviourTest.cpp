// What the state file's writes do on every system, run on the backend of
// the system the tests are built for.

#include "platform/StateFile.h"
#include "tests/support/FileText.h"
#include "tests/support/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

class StateFileBehaviour : public testsupport::TemporaryFolder {
protected:
  static std::string Read(const fs::path& path) { return testsupport::ReadFileText(path); }
};

TEST_F(StateFileBehaviour, MakesTheFolderWithItsMissingParents) {
  const fs::path folder = Folder() / "one" / "two";
  EXPECT_EQ(platform::MakeStateFolder(folder), std::error_code());
  EXPECT_TRUE(fs::is_directory(folder));
  EXPECT_EQ(platform::MakeStateFolder(folder), std::error_code()) << "an existing folder is fine";
}

TEST_F(StateFileBehaviour, AppendsTheBytesAsTheyAre) {
  const fs::path file = Folder() / "Tallyon.tape";
  // Line ends stay "\n" on every system: the file is read back byte for byte.
  ASSERT_EQ(platform::AppendToFile(file, "first\n"), std::error_code());
  ASSERT_EQ(platform::AppendToFile(file, std::string("sec\0nd\n", 7)), std::error_code());
  EXPECT_EQ(Read(file), std::string("first\nsec\0nd\n", 13));
  EXPECT_EQ(platform::EmptyFile(file), std::error_code());
  EXPECT_EQ(Read(file), "");
  ASSERT_EQ(platform::AppendToFile(file, "third\n"), std::error_code());
  EXPECT_EQ(Read(file), "third\n");
}

TEST_F(StateFileBehaviour, TellsWhyAWriteFailed) {
  const fs::path missing = Folder() / "missing" / "Tallyon.tape";
  EXPECT_TRUE(platform::AppendToFile(missing, "lost\n")) << "a missing folder is an error";
  EXPECT_FALSE(fs::exists(missing));
  EXPECT_EQ(platform::EmptyFile(Folder() / "absent"), std::error_code())
      << "a missing file is already empty";
  testsupport::WriteFileText(Folder() / "blocker", "");
  EXPECT_TRUE(platform::MakeStateFolder(Folder() / "blocker" / "inner"));
}

} // namespace
