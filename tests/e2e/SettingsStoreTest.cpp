// The settings file as the running program keeps it: a bad value, a killed
// process, a slow disk, a file that cannot be written or that belongs to
// another user, and the notice box destroyed by another client.

#include "TallyonFixture.h"
#include "platform/RegistryFile.h"

#include <csignal>
#include <pwd.h>
#include <set>
#include <sys/stat.h>
#include <vector>

namespace {

using namespace e2e;

long Milliseconds(std::chrono::steady_clock::time_point since) {
  return long(std::chrono::duration_cast<std::chrono::milliseconds>(
                  std::chrono::steady_clock::now() - since)
                  .count());
}

class SettingsStore : public Tallyon {
protected:
  // Waits for the settings notice (a box titled "Tallyon") and closes it.
  std::string Notice() {
    const std::string box = session->WaitForWindow("Tallyon");
    if (!box.empty()) session->ShellStatus("xdotool windowactivate --sync " + box + " key Return");
    session->Eventually([&] { return !session->IsViewable(box); });
    session->ShellStatus("xdotool windowactivate --sync " + window);
    return box;
  }

  // Starts the program (as user "nobody", who must be able to reach the
  // home, when asked) without activating its window, over which a notice
  // box is about to open.
  void LaunchBeforeANotice(bool asNobody = false) {
    fs::permissions(session->Home(), fs::perms::owner_all | fs::perms::others_exec);
    std::vector<std::string> argv = {TALLYON_BINARY};
    if (asNobody)
      argv.insert(argv.begin(), {"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"});
    program.emplace(session->Start(argv));
    window = session->WaitForWindow(Title);
    ASSERT_FALSE(window.empty());
  }

  // The settings folder and file made "nobody"'s, with the given modes.
  void GiveToNobody(fs::perms file, fs::perms folder) {
    const passwd* nobody = ::getpwnam("nobody");
    ASSERT_NE(nobody, nullptr);
    ASSERT_EQ(::chown(session->SettingsFile().c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    ASSERT_EQ(
        ::chown(session->SettingsFile().parent_path().c_str(), nobody->pw_uid, nobody->pw_gid), 0);
    fs::permissions(session->SettingsFile(), file);
    fs::permissions(session->SettingsFile().parent_path(), folder);
  }
};

// A value of the wrong type costs only itself: one notice, and the value and
// the memory are shown and kept.
TEST_F(SettingsStore, ABadValueCostsOnlyItself) {
  WriteSettings(*session, "\"Value\"=\"12.5\"\n\"Memory\"=\"3\"\n\"ShowIn\"=\"3\"\n");
  LaunchBeforeANotice();
  ASSERT_FALSE(Notice().empty()) << "no notice";
  EXPECT_EQ(CopiedValue(), "12.5");
  Exit();
  EXPECT_EQ(StoredValueAndMemory(session->SettingsFile()), "12.5 M3");
  EXPECT_NE(ReadFile(session->SettingsFile()).find("\"ShowIn\"=dword:00000001"), std::string::npos)
      << "the close stores the default in the bad value's place";
}

// Killed 3 s after the last key (the OOM killer, a crashed session): the
// next start shows the value and the memory.
TEST_F(SettingsStore, AKillThreeSecondsAfterTypingLosesNothing) {
  Launch();
  session->Keys("Delete 7 ctrl+l ctrl+p Delete 4 2 period 5");
  EXPECT_EQ(CopiedValue(), "42.5");
  ::sleep(3);
  program->Signal(SIGKILL);
  ASSERT_TRUE(program->Wait(5s).has_value());
  EXPECT_EQ(StoredValueAndMemory(session->SettingsFile()), "42.5 M7");
  Launch();
  EXPECT_EQ(CopiedValue(), "42.5");
  Exit();
}

// Twenty seconds of typing at ten keys a second: a write every little
// while, not one per key, and the last keys reach the file a moment after.
TEST_F(SettingsStore, WritesPerMinuteOfTyping) {
  Launch();
  session->Keys("Delete");
  const fs::path file = session->SettingsFile();
  session->ShellStatus("xdotool type --delay 100 '" + std::string(200, '1') + "' &");
  std::set<ino_t> versions;
  const auto start = std::chrono::steady_clock::now();
  while (std::chrono::steady_clock::now() - start < 24s) {
    struct stat info {};
    if (::stat(file.c_str(), &info) == 0) versions.insert(info.st_ino);
    ::usleep(20'000);
  }
  const auto writes = versions.size();
  RecordProperty("writes_in_20_s_of_typing", std::to_string(writes));
  EXPECT_GE(writes, 2u);
  EXPECT_LE(writes, 5u) << "about one per 10 s of typing and one at its end";
  // The memory, never changed, is left to the close.
  EXPECT_EQ(StoredValueAndMemory(file), CopiedValue() + " M(none)");
  Exit();
}

// A slow disk (every fsync takes 3 s, injected by strace into the running
// program): Alt+F4 takes the window off the screen at once, and the program
// ends once the settings are stored.
TEST_F(SettingsStore, ASlowDiskDoesNotHoldTheWindowOnScreen) {
  Launch();
  session->Keys("Delete 8 1");
  EXPECT_EQ(CopiedValue(), "81");
  std::string threads;
  for (const auto& task :
       fs::directory_iterator("/proc/" + std::to_string(program->Pid()) + "/task"))
    threads += " -p " + task.path().filename().string();
  Process strace({"sh", "-c",
                  "exec strace -f -qq -e trace=fsync,fdatasync -e inject=fsync:delay_enter=3000000 "
                  "-o /dev/null" +
                      threads});
  ::usleep(500'000); // attached
  const auto start = std::chrono::steady_clock::now();
  session->Keys("alt+F4");
  ASSERT_TRUE(session->Eventually([&] { return !session->IsViewable(window); }, 2s));
  const long hidden = Milliseconds(start);
  ASSERT_TRUE(program->Wait(20s).has_value()) << "did not end";
  const long ended = Milliseconds(start);
  RecordProperty("ms_to_unmap", std::to_string(hidden));
  RecordProperty("ms_to_end", std::to_string(ended));
  EXPECT_LT(hidden, 200) << "the window stayed on screen";
  EXPECT_GE(ended, 3000) << "the fsync was not slowed: is strace attached?";
  EXPECT_EQ(StoredValueAndMemory(session->SettingsFile()), "81 M0");
}

// Run by root with the user's home (sudo -E): the user's file stays theirs,
// with its mode.
TEST_F(SettingsStore, RootKeepsTheUsersFileTheirs) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root";
  WriteSettings(*session, "\"Value\"=\"1\"\n");
  GiveToNobody(fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                   fs::perms::others_read,
               fs::perms::owner_all);
  Launch();
  session->Keys("Delete 6");
  Exit();
  struct stat info {};
  ASSERT_EQ(::stat(session->SettingsFile().c_str(), &info), 0);
  EXPECT_EQ(info.st_uid, ::getpwnam("nobody")->pw_uid);
  EXPECT_EQ(info.st_mode & 0777, 0644u);
  EXPECT_EQ(StoredValueAndMemory(session->SettingsFile()), "6 M0");
}

// A file that cannot be written (a managed configuration, a file of another
// user's in a folder anyone may write): its values are used, the user is
// told once, and the file is left as it was.
TEST_F(SettingsStore, AFileThatCannotBeWrittenIsReadAndLeftAlone) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to run as another user";
  const struct {
    const char* tag;
    bool nobodys; // the file and its folder are nobody's, read-only
  } rows[] = {{"read-only file", true}, {"another user's file", false}};
  for (const auto& row : rows) {
    WriteSettings(*session, "\"Value\"=\"5\"\n\"Memory\"=\"4\"\n");
    if (row.nobodys)
      GiveToNobody(fs::perms::owner_read, fs::perms::owner_all);
    else
      fs::permissions(session->SettingsFile().parent_path(), fs::perms::all);
    const std::string before = ReadFile(session->SettingsFile());
    LaunchBeforeANotice(true);
    ASSERT_FALSE(Notice().empty()) << row.tag << ": no notice";
    EXPECT_EQ(CopiedValue(), "5") << row.tag;
    session->Keys("Delete 9");
    Exit();
    EXPECT_EQ(ReadFile(session->SettingsFile()), before) << row.tag;
    fs::permissions(session->SettingsFile().parent_path(), fs::perms::all);
    fs::remove(session->SettingsFile());
  }
}

// The settings notice destroyed by another client: the program stores the
// settings and ends, rather than living on without a window.
TEST_F(SettingsStore, TheNoticeDestroyedByAnotherClientEndsTheProgram) {
  WriteSettings(*session, "\"Value\"=\"12.5\"\n\"Memory\"=\"3\"\n\"ShowIn\"=\"3\"\n");
  LaunchBeforeANotice();
  const std::string box = session->WaitForWindow("Tallyon");
  ASSERT_FALSE(box.empty());
  session->ShellStatus("xdotool windowclose " + box);
  EXPECT_TRUE(program->Wait(10s).has_value()) << "still running";
  EXPECT_EQ(StoredValueAndMemory(session->SettingsFile()), "12.5 M3");
}

} // namespace
