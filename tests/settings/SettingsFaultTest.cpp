// The settings file under faults: a full disk (a small tmpfs in a mount
// namespace of the test's own), a directory or a link in the file's place,
// and the saving process killed at random moments over many runs. Each time
// the file is whole and holds one save's values or the one before, and
// nothing outside the settings folder is written.

#include "settings/USet.h"

#include "platform/Registry.h"
#include "tests/support/TemporaryHome.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <random>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr const char* kHead = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon]\n";

std::string Current() {
  return USet::Value + "|" + USet::Memory + "|" + std::to_string(USet::ThouSep) + "|" +
         std::to_string(USet::StayOnTop) + "|" + std::to_string(USet::ShowIn);
}

void MakeCurrent(const std::string& value, const std::string& memory, bool thouSep, bool stayOnTop,
                 int showIn) {
  USet::Value = value;
  USet::Memory = memory;
  USet::ThouSep = thouSep;
  USet::StayOnTop = stayOnTop;
  USet::ShowIn = showIn;
}

// What a load or save let out: "" or the error's message.
template <typename Step> std::string ErrorOf(Step step) {
  try {
    step();
  } catch (const std::exception& error) {
    return error.what();
  }
  return "";
}

// The five values as the file holds them, read without USet; "(no key)"
// when it cannot be read.
std::string StoredValues() {
  platform::TRegistry registry(platform::KEY_READ);
  if (!registry.OpenKey(USet::SettingsKey, false)) return "(no key)";
  auto integer = [&](const char* name) {
    return registry.ValueExists(name) ? std::to_string(registry.ReadInteger(name)) : "-";
  };
  return registry.ReadString("Value") + "|" + registry.ReadString("Memory") + "|" +
         integer("ThouSep") + "|" + integer("StayOnTop") + "|" + integer("ShowIn");
}

class SettingsFaults : public testsupport::TemporaryHome {
protected:
  void SetUp() override {
    TemporaryHome::SetUp();
    // A first start: nothing is known to be stored yet.
    USet::LoadSettings();
    MakeCurrent("", "", false, false, 0);
    USet::TakeSettingsNotice();
  }
};

// In a child with a mount namespace of its own, the settings folder on a
// tmpfs of 16 KiB: what loading and saving do while the disk fills up.
TEST_F(SettingsFaults, AFullDiskRefusesTheSaveAndKeepsTheFileWhole) {
  const fs::path small = Root() / "small";
  fs::create_directories(small);
  const auto outcome = InChild(
      [&]() -> std::string {
        if (::unshare(CLONE_NEWNS) != 0 ||
            ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            ::mount("tmpfs", small.c_str(), "tmpfs", 0, "size=16k") != 0)
          return "no tmpfs";
        ::setenv("XDG_CONFIG_HOME", small.c_str(), 1);
        const fs::path filler = small / "filler";
        std::string steps;
        // One step: its error, and the settings after it.
        const auto step = [&](const char* name, void (*operation)(), bool settings) {
          const std::string error = ErrorOf(operation);
          steps += name + std::string(": ") + error;
          if (settings) steps += "[" + Current() + "]";
          steps += " ";
        };
        const auto fill = [&] {
          std::FILE* file = std::fopen(filler.c_str(), "w");
          const std::string block(512, 'x');
          while (std::fwrite(block.data(), 1, block.size(), file) == block.size() &&
                 std::fflush(file) == 0) {
          }
          std::fclose(file);
        };
        // A first start on a full disk: the key cannot be made; silence.
        fill();
        step("first start", USet::LoadSettings, true);
        fs::remove(filler);
        // A normal start (its defaults stored once the window is drawn),
        // then a value too long for the disk.
        step(
            "start",
            [] {
              USet::LoadSettings();
              USet::StoreLoadedDefaults();
            },
            true);
        USet::Value = "1" + std::string(40000, '0');
        step("long value", USet::SaveSettings, false);
        // A full disk refuses even a short value.
        MakeCurrent("12.5", "3", false, true, 2);
        fill();
        step("full", USet::SaveSettings, false);
        steps += "stored [" + StoredValues() + "] ";
        step("load on a full disk", USet::LoadSettings, true);
        fs::remove(filler);
        MakeCurrent("12.5", "3", false, true, 2);
        step("room again", USet::SaveSettings, false);
        steps += "stored [" + StoredValues() + "] ";
        for (const auto& entry : fs::directory_iterator(small / "Corvane"))
          if (entry.path().filename() != "Tallyon.reg") steps += "litter ";
        return steps;
      },
      false);
  if (outcome == "no tmpfs") GTEST_SKIP() << "no mount namespace or tmpfs for this user";
  ASSERT_TRUE(outcome.has_value());
  EXPECT_EQ(*outcome, "first start: [1234567890E+1234|0|1|0|1] "
                      "start: [1234567890E+1234|0|1|0|1] "
                      "long value: Failed to set data for 'Value'\nNo space left on device "
                      "full: Failed to set data for 'Value'\nNo space left on device "
                      "stored [||1|0|1] "
                      "load on a full disk: [1234567890E+1234|0|1|0|1] "
                      "room again:  stored [12.5|3|0|1|2] ");
}

TEST_F(SettingsFaults, ADirectoryInTheFilesPlaceIsLeftAlone) {
  // At start: the first start's settings, and a notice with the path and
  // the reason; the save at close then stores nothing, silently.
  fs::create_directories(File() / "inside");
  EXPECT_EQ(ErrorOf(USet::LoadSettings), "");
  EXPECT_EQ(Current(), "1234567890E+1234|0|1|0|1");
  EXPECT_EQ(USet::TakeSettingsNotice(), "The settings file cannot be read or written: \"" +
                                            File().string() +
                                            "\": Is a directory. The settings start from "
                                            "their defaults.");
  EXPECT_EQ(USet::TakeSettingsNotice(), "") << "told once";
  EXPECT_EQ(ErrorOf(USet::SaveSettings), "");
  fs::remove_all(File());

  // Between start and close: the save finds the directory and says so.
  Write(File(), std::string(kHead) + "\"Value\"=\"5\"\n");
  EXPECT_EQ(ErrorOf(USet::LoadSettings), "");
  fs::remove(File());
  fs::create_directories(File() / "inside");
  MakeCurrent("6", "7", true, true, 3);
  EXPECT_EQ(ErrorOf(USet::SaveSettings),
            "Failed to set data for 'Value'\n\"" + File().string() + "\": Is a directory");
  EXPECT_TRUE(fs::is_directory(File() / "inside"));
  EXPECT_TRUE(OtherFiles().empty());
}

// A link to a settings file of this user's is written through, in the
// target's folder, and stays a link.
TEST_F(SettingsFaults, ALinkedFileOfThisUserIsWrittenThrough) {
  const fs::path target = Root() / "shared" / "Tallyon.reg";
  const std::string theirs = std::string(kHead) + "\"Value\"=\"8\"\n\"ShowIn\"=dword:00000002\n";
  Write(target, theirs);
  fs::create_directories(Folder());
  fs::create_symlink(target, File());
  EXPECT_EQ(ErrorOf(USet::LoadSettings), "");
  EXPECT_EQ(Current(), "8|0|1|0|2");
  USet::Value = "9";
  EXPECT_EQ(ErrorOf(USet::SaveSettings), "");
  EXPECT_TRUE(fs::is_symlink(File()));
  EXPECT_EQ(StoredValues(), "9|0|1|0|2");
  EXPECT_NE(Read(target).find("\"Value\"=\"9\""), std::string::npos) << Read(target);
  EXPECT_TRUE(OtherFiles().empty());
}

// The number of kill runs: TALLYON_KILL_RUNS, or a short default.
int KillRuns() {
  const char* runs = std::getenv("TALLYON_KILL_RUNS");
  return runs != nullptr ? std::atoi(runs) : 200;
}

// A process that saves two sets of settings in turn, without end, killed at
// a random moment: the file always reads, and each value is one of the two
// sets' with the values written first being the newer ones.
TEST_F(SettingsFaults, ASaveKilledAtAnyMomentLeavesAWholeFile) {
  const std::vector<std::string> sets[2] = {{"1.5", "-2", "1", "0", "1"},
                                            {"777E300", "0.25", "0", "1", "3"}};
  MakeCurrent("1.5", "-2", true, false, 1);
  // Kills fall anywhere in the first three saves or so, however fast the disk.
  const auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < 5; ++i)
    USet::SaveSettings();
  const auto save = std::chrono::duration_cast<std::chrono::microseconds>(
                        std::chrono::steady_clock::now() - start) /
                    5;
  std::mt19937 random(8);
  std::uniform_int_distribution<long> delay(0, 3 * save.count());
  int torn = 0, litter = 0;
  for (int run = 0, runs = KillRuns(); run < runs; ++run) {
    // Each run starts from a whole file of one set; the child saves the
    // other, then the first again, and so on.
    const auto& first = sets[run % 2];
    MakeCurrent(first[0], first[1], first[2] == "1", first[3] == "1", std::stoi(first[4]));
    USet::SaveSettings();
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(ready[0]);
      const bool flag = true;
      if (::write(ready[1], &flag, 1) != 1) ::_exit(1);
      for (int round = run + 1;; ++round) {
        const auto& set = sets[round % 2];
        MakeCurrent(set[0], set[1], set[2] == "1", set[3] == "1", std::stoi(set[4]));
        USet::SaveSettings();
      }
    }
    ::close(ready[1]);
    char flag = 0;
    ASSERT_EQ(::read(ready[0], &flag, 1), 1);
    ::close(ready[0]);
    ::usleep(static_cast<useconds_t>(delay(random)));
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);

    const std::string stored = StoredValues();
    std::vector<std::string> values;
    for (std::size_t from = 0, bar; from <= stored.size(); from = bar + 1) {
      bar = std::min(stored.find('|', from), stored.size());
      values.push_back(stored.substr(from, bar - from));
    }
    ASSERT_EQ(values.size(), 5u) << "run " << run << ": " << stored;
    // Values 1..k from one set, the rest from the other (or all from one).
    std::size_t k = 0;
    const auto& newer = values[0] == sets[0][0] ? sets[0] : sets[1];
    const auto& older = &newer == &sets[0] ? sets[1] : sets[0];
    while (k < 5 && values[k] == newer[k])
      ++k;
    for (std::size_t i = k; i < 5; ++i)
      ASSERT_EQ(values[i], older[i]) << "run " << run << ": " << stored;
    torn += k < 5 && k > 0 ? 1 : 0;
    // A kill between making and renaming a temporary leaves it behind.
    for (const std::string& name : OtherFiles()) {
      ASSERT_TRUE(name.starts_with(".Tallyon.reg.")) << name;
      fs::remove(Folder() / name);
      ++litter;
    }
  }
  RecordProperty("torn_saves", torn);
  RecordProperty("temporaries_left", litter);
}

} // namespace
