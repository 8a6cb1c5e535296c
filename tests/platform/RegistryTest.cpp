#include "platform/Registry.h"
#include "tests/support/TemporaryHome.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using platform::ERegistryException;
using platform::TRegistry;
namespace fs = std::filesystem;

constexpr const char* kKey = "\\Software\\Corvane\\Tallyon";
constexpr const char* kSection = "[HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon]\n";

class Registry : public testsupport::TemporaryHome {
protected:
  void SetUp() override {
    TemporaryHome::SetUp();
    TRegistry::TakeKeptFiles();
  }
  void WriteValues(const std::string& lines) {
    Write(File(), std::string("REGEDIT4\n\n") + kSection + lines);
  }
};

std::string MessageOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const ERegistryException& error) {
    return error.what();
  }
  return "(no error)";
}

mode_t ModeOf(const fs::path& path) {
  struct stat info {};
  return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 0777 : 0;
}

TEST_F(Registry, FileOfAKey) {
  const struct {
    const char* key;
    const char* file; // below $XDG_CONFIG_HOME, or nullptr
  } table[] = {
      {"\\Software\\Corvane\\Tallyon", "Corvane/Tallyon.reg"},
      {"Software\\Corvane\\Tallyon\\", "Corvane/Tallyon.reg"},
      {"SOFTWARE\\Corvane\\Tallyon\\Window\\Place", "Corvane/Tallyon.reg"},
      {"\\Software\\Other\\Program", "Other/Program.reg"},
      {"\\Software\\Corvane", nullptr},
      {"\\Hardware\\Corvane\\Tallyon", nullptr},
      {"\\Software\\..\\Tallyon", nullptr},
      {"\\Software\\Corvane\\a/b", nullptr},
  };
  for (const auto& row : table) {
    const auto file = platform::RegistryFileFor(row.key);
    if (row.file == nullptr)
      EXPECT_EQ(file, std::nullopt) << row.key;
    else
      EXPECT_EQ(file, Root() / row.file) << row.key;
  }

  const char* home = std::getenv("HOME");
  const std::string savedHome = home ? home : "";
  ::setenv("HOME", "/home/someone", 1);
  for (const bool relative : {true, false}) {
    if (relative)
      ::setenv("XDG_CONFIG_HOME", "relative/config", 1);
    else
      ::unsetenv("XDG_CONFIG_HOME");
    EXPECT_EQ(platform::RegistryFileFor(kKey),
              fs::path("/home/someone/.config/Corvane/Tallyon.reg"));
  }
  ::setenv("HOME", savedHome.c_str(), 1);
}

TEST_F(Registry, CreatesTheKeyForItsOwnerOnly) {
  TRegistry registry;
  EXPECT_FALSE(registry.OpenKey(kKey, false));
  EXPECT_FALSE(fs::exists(File()));
  ASSERT_TRUE(registry.OpenKey(kKey, true));
  EXPECT_EQ(Read(File()), std::string("REGEDIT4\n\n") + kSection + "\n");
  EXPECT_EQ(ModeOf(File()), 0600u);
  EXPECT_EQ(ModeOf(Folder()), 0700u);
  EXPECT_FALSE(registry.ValueExists("Value"));
  EXPECT_EQ(registry.ReadString("Value"), "");
  EXPECT_EQ(MessageOf([&] { registry.ReadInteger("ShowIn"); }), "Failed to get data for 'ShowIn'");

  TRegistry again;
  EXPECT_TRUE(again.OpenKey(kKey, false));
}

TEST_F(Registry, WritesReachTheFileAtOnce) {
  TRegistry writer;
  ASSERT_TRUE(writer.OpenKey(kKey, true));
  writer.WriteString("Value", "12.5");
  writer.WriteInteger("ShowIn", -1);
  TRegistry reader;
  ASSERT_TRUE(reader.OpenKey(kKey, false));
  EXPECT_EQ(reader.ReadString("Value"), "12.5");
  EXPECT_EQ(reader.ReadInteger("ShowIn"), -1);
  EXPECT_EQ(Read(File()), std::string("REGEDIT4\n\n") + kSection +
                              "\"Value\"=\"12.5\"\n\"ShowIn\"=dword:ffffffff\n\n");
}

TEST_F(Registry, AFailedWriteLeavesKeyAndFileAsTheyWere) {
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(kKey, true));
  registry.WriteString("Value", "1");
  const std::string before = Read(File());
  platform::SetReplaceFaultForTesting([](platform::ReplaceStep) { return true; });
  EXPECT_EQ(MessageOf([&] { registry.WriteString("Value", "2"); }),
            "Failed to set data for 'Value'\nInput/output error");
  EXPECT_EQ(MessageOf([&] { registry.WriteInteger("ShowIn", 2); }),
            "Failed to set data for 'ShowIn'\nInput/output error");
  platform::SetReplaceFaultForTesting({});
  EXPECT_EQ(registry.ReadString("Value"), "1");
  EXPECT_FALSE(registry.ValueExists("ShowIn"));
  EXPECT_EQ(Read(File()), before);
  EXPECT_EQ(MessageOf([&] { registry.WriteString("bad\nname", "x"); }),
            "Failed to set data for 'bad\nname'");
}

// An update stores its writes in one replacement: all of them or, when it
// fails, none, with the first value's error and the system's cause.
TEST_F(Registry, AnUpdateStoresAllItsWritesOrNone) {
  for (const bool fails : {false, true}) {
    WriteValues("\"Value\"=\"1\"\n");
    const std::string before = Read(File());
    TRegistry registry;
    ASSERT_TRUE(registry.OpenKey(kKey, true));
    int replacements = 0;
    platform::SetReplaceFaultForTesting([&](platform::ReplaceStep step) {
      replacements += step == platform::ReplaceStep::CreateTemporary ? 1 : 0;
      return fails && step == platform::ReplaceStep::Write;
    });
    registry.BeginUpdate();
    registry.WriteString("Memory", "2");
    registry.WriteString("Value", "3");
    EXPECT_EQ(Read(File()), before) << "held until the end of the update";
    EXPECT_EQ(MessageOf([&] { registry.EndUpdate(); }),
              fails ? "Failed to set data for 'Memory'\nInput/output error" : "(no error)");
    platform::SetReplaceFaultForTesting({});
    EXPECT_EQ(replacements, 1);
    if (fails) {
      EXPECT_EQ(Read(File()), before);
      EXPECT_FALSE(registry.ValueExists("Value")) << "the key is closed";
    } else {
      EXPECT_EQ(Read(File()),
                std::string("REGEDIT4\n\n") + kSection + "\"Value\"=\"3\"\n\"Memory\"=\"2\"\n");
    }
    EXPECT_TRUE(OtherFiles().empty());
  }
}

TEST_F(Registry, ReadAccessNeitherWritesNorMovesFiles) {
  TRegistry reader(platform::KEY_READ);
  EXPECT_FALSE(reader.OpenKey(kKey, false));
  EXPECT_FALSE(fs::exists(Folder()));
  WriteValues("\"Value\"=\"3\"\n");
  ASSERT_TRUE(reader.OpenKey(kKey, false));
  EXPECT_EQ(reader.ReadString("Value"), "3");
  EXPECT_EQ(MessageOf([&] { reader.WriteString("Value", "4"); }), "Failed to set data for 'Value'");
  Write(File(), "garbage");
  EXPECT_FALSE(reader.OpenKey(kKey, false));
  EXPECT_EQ(Read(File()), "garbage");
  EXPECT_TRUE(OtherFiles().empty());
}

TEST_F(Registry, KeepsADamagedFileAsideUnderADatedName) {
  const std::string damaged("REGEDIT4\n\0\0\0binary", 17);
  Write(File(), damaged);
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(kKey, true));
  EXPECT_FALSE(registry.ValueExists("Value"));
  const auto kept = TRegistry::TakeKeptFiles();
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].parent_path(), Folder());
  const std::string name = kept[0].filename().string();
  // Tallyon.reg.damaged-YYYYMMDD-HHMMSS
  ASSERT_EQ(name.size(), std::string("Tallyon.reg.damaged-").size() + 15) << name;
  EXPECT_TRUE(name.starts_with("Tallyon.reg.damaged-2")) << name;
  EXPECT_EQ(Read(kept[0]), damaged);
  EXPECT_TRUE(TRegistry::TakeKeptFiles().empty());

  // A second damage within the same second does not replace the first copy.
  Write(File(), "damaged again");
  ASSERT_TRUE(registry.OpenKey(kKey, true));
  const auto second = TRegistry::TakeKeptFiles();
  ASSERT_EQ(second.size(), 1u);
  EXPECT_EQ(Read(second[0]), "damaged again");
  EXPECT_EQ(Read(kept[0]), damaged);
}

// Each place that cannot be opened says which file and why.
TEST_F(Registry, UnwritablePlacesCannotBeOpened) {
  const auto failure = [](TRegistry& registry) {
    const auto& failed = registry.OpenFailure();
    return failed ? failed->file.string() + ": " + failed->reason : std::string("(none)");
  };
  // A folder that cannot be made: its parent is a file.
  Write(Root() / "plain", "x");
  ::setenv("XDG_CONFIG_HOME", (Root() / "plain").c_str(), 1);
  TRegistry registry;
  EXPECT_FALSE(registry.OpenKey(kKey, true));
  EXPECT_EQ(failure(registry), (Root() / "plain" / "Corvane").string() + ": Not a directory");

  // A directory, a FIFO or a device where the file should be.
  ::setenv("XDG_CONFIG_HOME", Root().c_str(), 1);
  const struct {
    const char* tag;
    std::function<void()> make;
    const char* reason;
  } places[] = {
      {"directory", [&] { fs::create_directories(File()); }, "Is a directory"},
      {"fifo", [&] { ::mkfifo(File().c_str(), 0600); }, "Not a regular file"},
      {"device", [&] { fs::create_symlink("/dev/zero", File()); }, "Not a regular file"},
      {"loop", [&] { fs::create_symlink(File(), File()); }, "Too many levels of symbolic links"},
  };
  for (const auto& place : places) {
    fs::create_directories(Folder());
    place.make();
    EXPECT_FALSE(registry.OpenKey(kKey, true)) << place.tag;
    EXPECT_EQ(failure(registry), File().string() + ": " + place.reason) << place.tag;
    fs::remove_all(File());
  }

  // A folder and a file that this user may not write, or not read.
  WriteValues("\"Value\"=\"1\"\n");
  ASSERT_TRUE(registry.OpenKey(kKey, true));
  EXPECT_EQ(failure(registry), "(none)") << "after a success";
  const auto inChild = [] {
    TRegistry other;
    return other.OpenKey(kKey, true)
               ? std::string("opened")
               : other.OpenFailure()->reason + " " + other.OpenFailure()->file.filename().string();
  };
  // Tried as user "nobody", who is neither owner nor group.
  const struct {
    const char* tag;
    fs::perms file, folder;
    const char* outcome;
  } modes[] = {
      {"all allowed", fs::perms::all, fs::perms::all, "opened"},
      {"read-only file", fs::perms::owner_all | fs::perms::others_read, fs::perms::all,
       "Permission denied Tallyon.reg"},
      {"unreadable file", fs::perms::owner_all | fs::perms::others_write, fs::perms::all,
       "Permission denied Tallyon.reg"},
      {"read-only folder", fs::perms::all,
       fs::perms::owner_all | fs::perms::others_read | fs::perms::others_exec,
       "Permission denied Tallyon.reg"},
  };
  for (const auto& mode : modes) {
    fs::permissions(File(), mode.file);
    fs::permissions(Folder(), mode.folder);
    EXPECT_EQ(InChild(inChild, true), mode.outcome) << mode.tag;
  }
}

// A link to a registry file of this user's (in a dotfiles folder, say) is
// written through, in the target's folder; any other link is read through
// and replaced by a file of the key's own.
TEST_F(Registry, ALinkIsWrittenThroughOnlyToARegistryFileOfThisUser) {
  const std::string theirs = std::string("REGEDIT4\n\n") + kSection + "\"Value\"=\"7\"\n";
  const std::string unrelated = "root:x:0:0:root:/root:/bin/bash\n";
  const fs::path elsewhere = Root() / "elsewhere";
  struct Case {
    const char* tag;
    const char* target; // where the link points, inside `elsewhere`
    const std::string* contents;
    bool otherUser; // the target belongs to "nobody"
    bool followed;  // the write goes to the target
  } cases[] = {{"a registry file of this user", "Tallyon.reg", &theirs, false, true},
               {"another user's registry file", "Tallyon.reg", &theirs, true, false},
               {"another program's file", "passwd", &unrelated, false, false},
               {"nothing yet", "missing", nullptr, false, false}};
  for (const Case& c : cases) {
    const fs::path target = elsewhere / c.target;
    if (c.contents) Write(target, *c.contents);
    if (c.otherUser) {
      ASSERT_EQ(::chown(target.c_str(), 65534, 65534), 0);
    }
    fs::create_directories(Folder());
    fs::create_symlink(target, File());
    TRegistry::TakeKeptFiles();
    {
      TRegistry registry;
      ASSERT_TRUE(registry.OpenKey(kKey, true)) << c.tag;
      // Read through the link when it holds a key.
      EXPECT_EQ(registry.ReadString("Value"), c.contents == &theirs ? "7" : "") << c.tag;
      registry.WriteInteger("ShowIn", 2);
    }
    const std::string written =
        std::string("REGEDIT4\n\n") + kSection + "\"Value\"=\"7\"\n\"ShowIn\"=dword:00000002\n";
    if (c.followed) {
      EXPECT_EQ(Read(target), written) << c.tag;
      EXPECT_TRUE(fs::is_symlink(File())) << c.tag;
      EXPECT_EQ(std::distance(fs::directory_iterator(elsewhere), {}), 1) << "litter: " << c.tag;
    } else {
      if (c.contents)
        EXPECT_EQ(Read(target), *c.contents) << c.tag;
      else
        EXPECT_FALSE(fs::exists(target)) << c.tag;
      EXPECT_FALSE(fs::is_symlink(File())) << c.tag;
      EXPECT_NE(Read(File()).find("\"ShowIn\"=dword:00000002"), std::string::npos) << c.tag;
    }
    // A link to what is not a registry file is kept aside as it is, a link.
    const auto kept = TRegistry::TakeKeptFiles();
    ASSERT_EQ(kept.size(), c.contents == &unrelated ? 1u : 0u) << c.tag;
    for (const fs::path& moved : kept)
      EXPECT_TRUE(fs::is_symlink(moved)) << c.tag;
    fs::remove_all(Folder());
    fs::remove_all(elsewhere);
  }

  // A link to a folder cannot be read or replaced: the key cannot be opened.
  fs::create_directories(Folder());
  fs::create_directories(elsewhere);
  fs::create_symlink(elsewhere, File());
  TRegistry registry;
  EXPECT_FALSE(registry.OpenKey(kKey, true));
  EXPECT_TRUE(fs::is_symlink(File()));
}

// A file too large to be settings is kept aside unread, like a damaged one.
TEST_F(Registry, AFileOverAHundredMegabytesIsKeptAside) {
  WriteValues("\"Value\"=\"1\"\n");
  fs::resize_file(File(), (100u << 20) + 1); // sparse: nothing is written
  TRegistry registry;
  ASSERT_TRUE(registry.OpenKey(kKey, true));
  EXPECT_FALSE(registry.ValueExists("Value"));
  const auto kept = TRegistry::TakeKeptFiles();
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(fs::file_size(kept[0]), (100u << 20) + 1);
}

} // namespace
