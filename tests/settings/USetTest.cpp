#include "settings/USet.h"

#include "platform/Registry.h"
#include "settings/SettingsTable.h"
#include "tests/support/TemporaryHome.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <type_traits>
#include <vector>

namespace {

namespace fs = std::filesystem;
using platform::ReplaceStep;

constexpr const char* kHead = "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon]\n";

// The five settings, to compare and to print in one go.
struct Settings {
  std::string Value, Memory;
  bool ThouSep = false, StayOnTop = false;
  std::int32_t ShowIn = 0;

  static Settings Current() {
    return {USet::Value, USet::Memory, USet::ThouSep, USet::StayOnTop, USet::ShowIn};
  }
  void MakeCurrent() const {
    USet::Value = Value;
    USet::Memory = Memory;
    USet::ThouSep = ThouSep;
    USet::StayOnTop = StayOnTop;
    USet::ShowIn = ShowIn;
  }
  std::string Text() const {
    return Value + "|" + Memory + "|" + std::to_string(ThouSep) + "|" + std::to_string(StayOnTop) +
           "|" + std::to_string(ShowIn);
  }
};

const Settings kStart{"", "", false, false, 0};
const Settings kFirstStart{"1234567890E+1234", "0", true, false, 1};

class SettingsStore : public testsupport::TemporaryHome {
protected:
  void SetUp() override {
    TemporaryHome::SetUp();
    kStart.MakeCurrent();
    USet::TakeSettingsNotice();
  }
  void WriteValues(const std::string& lines) { Write(File(), kHead + lines); }
  std::string LoadError() {
    try {
      USet::LoadSettings();
    } catch (const platform::ERegistryException& error) {
      return error.what();
    }
    return "";
  }
};

// The settings as the file holds them, read without USet.
Settings Stored() {
  platform::TRegistry registry(platform::KEY_READ);
  if (!registry.OpenKey(USet::SettingsKey, false)) return {"(no key)", "", false, false, 0};
  auto integer = [&](const char* name) {
    return registry.ValueExists(name) ? registry.ReadInteger(name) : -99;
  };
  return {registry.ReadString("Value"), registry.ReadString("Memory"), integer("ThouSep") != 0,
          integer("StayOnTop") != 0, integer("ShowIn")};
}

TEST_F(SettingsStore, FirstStartWritesTheIntegersAfterTheLoadAndTheTextsAtClose) {
  USet::LoadSettings();
  EXPECT_EQ(Settings::Current().Text(), kFirstStart.Text());
  EXPECT_FALSE(fs::exists(File())) << "the load writes nothing";
  USet::StoreLoadedDefaults();
  EXPECT_EQ(Read(File()), std::string(kHead) + "\"ThouSep\"=dword:00000001\n"
                                               "\"StayOnTop\"=dword:00000000\n"
                                               "\"ShowIn\"=dword:00000001\n"
                                               "\"Functions\"=dword:00000000\n"
                                               "\"AngularMeasure\"=dword:00000000\n"
                                               "\"Tape\"=dword:00000000\n"
                                               "\"KeepTape\"=dword:00000001\n\n");
  USet::Value = "-12.5";
  USet::SaveSettings();
  EXPECT_EQ(Read(File()), std::string(kHead) + "\"ThouSep\"=dword:00000001\n"
                                               "\"StayOnTop\"=dword:00000000\n"
                                               "\"ShowIn\"=dword:00000001\n"
                                               "\"Functions\"=dword:00000000\n"
                                               "\"AngularMeasure\"=dword:00000000\n"
                                               "\"Tape\"=dword:00000000\n"
                                               "\"KeepTape\"=dword:00000001\n"
                                               "\"Value\"=\"-12.5\"\n"
                                               "\"Memory\"=\"0\"\n\n");
  kStart.MakeCurrent();
  USet::LoadSettings();
  EXPECT_EQ(Settings::Current().Text(), "-12.5|0|1|0|1");
  EXPECT_EQ(USet::TakeSettingsNotice(), "");
}

// The defaults go back once, and only where the file still lacks them: a
// value another instance stored since the load is kept.
TEST_F(SettingsStore, LoadedDefaultsAreStoredOnceWhereStillMissing) {
  WriteValues("\"Value\"=\"5\"\n");
  USet::LoadSettings();
  WriteValues("\"Value\"=\"5\"\n\"ShowIn\"=dword:00000003\n");
  USet::StoreLoadedDefaults();
  EXPECT_EQ(Read(File()), std::string(kHead) + "\"Value\"=\"5\"\n"
                                               "\"ShowIn\"=dword:00000003\n"
                                               "\"ThouSep\"=dword:00000001\n"
                                               "\"StayOnTop\"=dword:00000000\n"
                                               "\"Functions\"=dword:00000000\n"
                                               "\"AngularMeasure\"=dword:00000000\n"
                                               "\"Tape\"=dword:00000000\n"
                                               "\"KeepTape\"=dword:00000001\n");
  WriteValues("\"Value\"=\"6\"\n");
  const std::string before = Read(File());
  USet::StoreLoadedDefaults();
  EXPECT_EQ(Read(File()), before);
}

TEST_F(SettingsStore, StoredValuesLoadAsTheyAreAndSaveBack) {
  const struct {
    const char* lines;
    const char* loaded;
    const char* saved;   // the lines SaveSettings leaves
    bool notice = false; // the user is told that a text is not UTF-8
  } table[] = {
      {"\"Value\"=\"\"\n\"Memory\"=\"\"\n", "1234567890E+1234|0|1|0|1", nullptr},
      {"\"Value\"=hex(2):37,00\n\"Memory\"=hex(1):\n", "7|0|1|0|1", nullptr},
      {"\"ShowIn\"=dword:00000000\n", "1234567890E+1234|0|1|0|0", "\"ShowIn\"=dword:00000000\n"},
      {"\"ShowIn\"=dword:00000004\n", "1234567890E+1234|0|1|0|4", "\"ShowIn\"=dword:00000004\n"},
      {"\"ShowIn\"=dword:ffffffff\n", "1234567890E+1234|0|1|0|-1", "\"ShowIn\"=dword:ffffffff\n"},
      {"\"ThouSep\"=dword:00000005\n", "1234567890E+1234|0|1|0|1", "\"ThouSep\"=dword:00000001\n"},
      {"\"ThouSep\"=dword:00000000\n\"StayOnTop\"=dword:00000007\n", "1234567890E+1234|0|0|1|1",
       "\"ThouSep\"=dword:00000000\n\"StayOnTop\"=dword:00000001\n"},
      {"\"Value\"=\"0,5\"\n\"Memory\"=\" junk \"\n", "0,5| junk |1|0|1", "\"Memory\"=\" junk \"\n"},
      // Text that is not UTF-8 cannot be shown: the default, with a notice.
      {"\"Value\"=\"5\"\n\"Memory\"=\"\xff\xfe\"\n", "5|0|1|0|1", "\"Memory\"=\"0\"\n", true},
      {"\"Value\"=\"\xC0\xB5\"\n", "1234567890E+1234|0|1|0|1", nullptr, true},
      {"\"Value\"=\"\xE2\x88\x92"
       "5\"\n",
       "\xE2\x88\x92"
       "5|0|1|0|1",
       nullptr},
  };
  for (const auto& row : table) {
    WriteValues(row.lines);
    kStart.MakeCurrent();
    USet::LoadSettings();
    EXPECT_EQ(Settings::Current().Text(), row.loaded) << row.lines;
    USet::SaveSettings();
    if (row.saved != nullptr) {
      EXPECT_NE(Read(File()).find(row.saved), std::string::npos) << Read(File());
    }
    EXPECT_EQ(Stored().Text(), row.loaded) << row.lines;
    EXPECT_EQ(USet::TakeSettingsNotice().find("is not UTF-8 text") != std::string::npos, row.notice)
        << row.lines;
  }
}

std::string TextOf(const USet::TSnapshot& snapshot) {
  std::string text;
  for (const USet::TStoredValue& value : snapshot)
    text += (text.empty() ? "" : "|") +
            std::visit(
                [](const auto& held) {
                  if constexpr (std::is_same_v<decltype(held), const std::string&>)
                    return held;
                  else
                    return std::to_string(held);
                },
                value);
  return text;
}

// Each setting of the table, stored badly among good values of all the
// others: it alone takes its default and is named in the notice, the others
// load, and the load leaves the file as it was. A missing one takes its
// default without a word.
TEST_F(SettingsStore, ABadValueCostsOnlyItself) {
  // Stored values that differ from every default, as the file and as loaded.
  const std::pair<const char*, USet::TStoredValue> good[] = {
      {"\"5\"", "5"},        {"\"6\"", "6"},        {"dword:00000000", 0},
      {"dword:00000001", 1}, {"dword:00000002", 2}, {"dword:00000001", 1},
      {"dword:00000002", 2}, {"dword:00000001", 1}, {"dword:00000000", 0}};
  static_assert(std::size(good) == USet::Settings.size());
  struct Bad {
    const char* tag;
    std::string data; // nothing: the value is missing
    bool named;
  };
  for (std::size_t row = 0; row < USet::Settings.size(); ++row) {
    const USet::TSetting& setting = USet::Settings[row];
    const bool text = std::holds_alternative<std::string*>(setting.variable);
    std::vector<Bad> bads = {
        {"missing", "", false},
        {"of the wrong type", text ? "dword:00000005" : "\"1\"", true},
        {"unreadable", text ? "\"\xff\"" : "hex(4):01,02", true},
    };
    if (setting.last < USet::kHighest) {
      char above[32];
      std::snprintf(above, sizeof above, "dword:%08x", unsigned(setting.last + 1));
      bads.push_back({"out of range", above, true});
    }
    for (const Bad& bad : bads) {
      std::string lines;
      USet::TSnapshot expected;
      for (std::size_t i = 0; i < USet::Settings.size(); ++i) {
        const bool chosen = i == row;
        if (!chosen || !bad.data.empty())
          lines += "\"" + std::string(USet::Settings[i].name) +
                   "\"=" + (chosen ? bad.data : good[i].first) + "\n";
        expected[i] = chosen ? USet::Settings[i].Default() : good[i].second;
      }
      WriteValues(lines);
      const std::string before = Read(File());
      kStart.MakeCurrent();
      const std::string tag = std::string(setting.name) + " " + bad.tag;
      EXPECT_EQ(LoadError(), "") << tag;
      EXPECT_EQ(TextOf(USet::TakeSnapshot()), TextOf(expected)) << tag;
      const std::string notice = USet::TakeSettingsNotice();
      EXPECT_EQ(notice.find("\"" + std::string(setting.name) + "\" ") != std::string::npos,
                bad.named)
          << tag << ": " << notice;
      EXPECT_EQ(notice.find(';'), std::string::npos) << tag << ": names only one: " << notice;
      EXPECT_EQ(Read(File()), before) << tag;
      // The next save stores the default in the bad value's place.
      USet::SaveSettings();
      kStart.MakeCurrent();
      USet::LoadSettings();
      EXPECT_EQ(TextOf(USet::TakeSnapshot()), TextOf(expected)) << tag;
      EXPECT_EQ(USet::TakeSettingsNotice(), "") << tag;
    }
  }
}

// A managed configuration: a file that can be read but not written (a
// read-only file, a read-only folder, or both) is read and used, and the user
// is told once that changes will not be kept; the saves keep silent.
TEST_F(SettingsStore, AFileThatCannotBeWrittenIsReadAndTheUserTold) {
  WriteValues("\"Value\"=\"5\"\n\"ShowIn\"=dword:00000003\n");
  const std::string before = Read(File());
  const fs::perms readable = fs::perms::owner_all | fs::perms::others_read;
  const fs::perms entered = readable | fs::perms::others_exec;
  const struct {
    const char* tag;
    fs::perms file, folder;
  } places[] = {
      {"read-only file", readable, fs::perms::all},
      {"read-only folder", fs::perms::all, entered},
      {"both", readable, entered},
  };
  for (const auto& place : places) {
    fs::permissions(File(), place.file);
    fs::permissions(Folder(), place.folder);
    const auto outcome = InChild(
        [] {
          std::string seen;
          try {
            USet::LoadSettings();
            seen = Settings::Current().Text();
            Settings{"9", "9", true, true, 3}.MakeCurrent();
            USet::SaveSettings();
            seen += " saved";
          } catch (const std::exception& error) {
            seen += error.what();
          }
          const std::string notice = USet::TakeSettingsNotice();
          return seen + (notice.ends_with("changes to the settings will not be kept.") &&
                                 USet::TakeSettingsNotice().empty()
                             ? " told once"
                             : " [" + notice + "]");
        },
        true);
    EXPECT_EQ(outcome, "5|0|1|0|3 saved told once") << place.tag;
    EXPECT_EQ(Read(File()), before) << place.tag;
  }

  // A folder that cannot be made: the first start's settings and a notice.
  ::setenv("XDG_CONFIG_HOME", (File() / "below-a-file").c_str(), 1);
  Settings{"1", "2", true, false, 2}.MakeCurrent();
  EXPECT_EQ(LoadError(), "");
  EXPECT_NO_THROW(USet::SaveSettings());
  EXPECT_EQ(Settings::Current().Text(), kFirstStart.Text());
  EXPECT_NE(USet::TakeSettingsNotice().find(": Not a directory."), std::string::npos);
}

TEST_F(SettingsStore, ADamagedFileIsKeptAsideAndTheDefaultsApply) {
  const std::string damaged[] = {
      std::string("\0\0\0\x01\x02", 5),
      "REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon]\n\"Value\"=\"5\n",
      "Value=5\nMemory=6\n",
      std::string(kHead) + "\"Value\"=\"5\"\n\"Memory\"=\"6\0\"\n",
  };
  for (const std::string& text : damaged) {
    Write(File(), text);
    kStart.MakeCurrent();
    USet::LoadSettings();
    USet::StoreLoadedDefaults();
    EXPECT_EQ(Settings::Current().Text(), kFirstStart.Text());
    const std::string notice = USet::TakeSettingsNotice();
    EXPECT_EQ(USet::TakeSettingsNotice(), "");
    const std::vector<std::string> others = OtherFiles();
    ASSERT_EQ(others.size(), 1u);
    EXPECT_EQ(Read(Folder() / others[0]), text);
    EXPECT_NE(notice.find((Folder() / others[0]).string()), std::string::npos) << notice;
    EXPECT_EQ(Stored().Text(), "||1|0|1");
    fs::remove(Folder() / others[0]);
  }
}

// Whether each of the five values, in their order of writing, is the new one.
std::string WhichAreNew(const Settings& stored, const Settings& old, const Settings& now) {
  std::string which;
  auto mark = [&](bool isNew, bool isOld) { which += isNew ? 'N' : isOld ? 'o' : '?'; };
  mark(stored.Value == now.Value, stored.Value == old.Value);
  mark(stored.Memory == now.Memory, stored.Memory == old.Memory);
  mark(stored.ThouSep == now.ThouSep, stored.ThouSep == old.ThouSep);
  mark(stored.StayOnTop == now.StayOnTop, stored.StayOnTop == old.StayOnTop);
  mark(stored.ShowIn == now.ShowIn, stored.ShowIn == old.ShowIn);
  return which;
}

class InterruptedSave : public SettingsStore {
protected:
  const Settings kOld{"1", "2", false, false, 2};
  const Settings kNew{"3.5", "-4", true, true, 3};
  static constexpr int kSteps = 6; // the steps of one file replacement

  void StoreOld() {
    WriteValues("\"Other\"=\"untouched\"\n");
    USet::LoadSettings();
    kOld.MakeCurrent();
    USet::SaveSettings();
    kNew.MakeCurrent();
  }
  // The five values are one replacement of the file: after a save stopped
  // at `call` they are all new once the file is renamed into place (the
  // last step, flushing the folder, comes after), and all old before.
  static std::string Expected(int call) { return call >= kSteps - 1 ? "NNNNN" : "ooooo"; }
};

TEST_F(InterruptedSave, AFailureAtAnyStepLeavesAWholeFile) {
  for (int call = 0; call < 5 * kSteps; ++call) {
    StoreOld();
    int calls = 0;
    platform::SetReplaceFaultForTesting([&](ReplaceStep) { return calls++ == call; });
    std::string error;
    try {
      USet::SaveSettings();
    } catch (const platform::ERegistryException& e) {
      error = e.what();
    }
    platform::SetReplaceFaultForTesting({});
    const bool fails = call < kSteps - 1;
    EXPECT_EQ(error, fails ? "Failed to set data for 'Value'\nInput/output error" : "") << call;
    EXPECT_EQ(WhichAreNew(Stored(), kOld, kNew), Expected(call)) << call;
    EXPECT_NE(Read(File()).find("\"Other\"=\"untouched\""), std::string::npos);
    EXPECT_TRUE(OtherFiles().empty()) << call;
  }
}

TEST_F(InterruptedSave, ACrashAtAnyStepLeavesAWholeFile) {
  for (int call = 0; call < 5 * kSteps; ++call) {
    StoreOld();
    InChild(
        [&] {
          int calls = 0;
          platform::SetReplaceFaultForTesting([&](ReplaceStep) {
            if (calls++ == call) ::_exit(0);
            return false;
          });
          USet::SaveSettings();
          return std::string("not interrupted");
        },
        false);
    EXPECT_EQ(WhichAreNew(Stored(), kOld, kNew), Expected(call)) << call;
    EXPECT_NE(Read(File()).find("\"Other\"=\"untouched\""), std::string::npos);
    kStart.MakeCurrent();
    EXPECT_EQ(LoadError(), "");
    EXPECT_EQ(USet::TakeSettingsNotice(), "");
    for (const std::string& name : OtherFiles())
      fs::remove(Folder() / name);
  }
}

TEST_F(SettingsStore, OtherKeysAndUnknownValuesSurviveASave) {
  const std::string foreign = "REGEDIT4\r\n\r\n"
                              "[HKEY_CURRENT_USER\\Software\\Corvane\\Other]\r\n"
                              "\"Value\"=\"not ours\"\r\n\r\n"
                              "[HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon]\r\n"
                              "; a note\r\n"
                              "\"Value\"=\"8\"\r\n"
                              "\"Window\"=hex:01,02,\\\r\n"
                              "  03\r\n"
                              "\"ShowIn\"=dword:00000002\r\n\r\n"
                              "[HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon\\Later]\r\n"
                              "@=\"x\"\r\n";
  Write(File(), foreign);
  USet::LoadSettings();
  USet::StoreLoadedDefaults();
  EXPECT_EQ(Settings::Current().Text(), "8|0|1|0|2");
  USet::Value = "9";
  USet::SaveSettings();
  EXPECT_EQ(Read(File()), "REGEDIT4\r\n\r\n"
                          "[HKEY_CURRENT_USER\\Software\\Corvane\\Other]\r\n"
                          "\"Value\"=\"not ours\"\r\n\r\n"
                          "[HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon]\r\n"
                          "; a note\r\n"
                          "\"Value\"=\"9\"\r\n"
                          "\"Window\"=hex:01,02,\\\r\n"
                          "  03\r\n"
                          "\"ShowIn\"=dword:00000002\r\n"
                          "\"ThouSep\"=dword:00000001\r\n"
                          "\"StayOnTop\"=dword:00000000\r\n"
                          "\"Functions\"=dword:00000000\r\n"
                          "\"AngularMeasure\"=dword:00000000\r\n"
                          "\"Tape\"=dword:00000000\r\n"
                          "\"KeepTape\"=dword:00000001\r\n"
                          "\"Memory\"=\"0\"\r\n\r\n"
                          "[HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon\\Later]\r\n"
                          "@=\"x\"\r\n");
}

TEST_F(SettingsStore, TheInstanceThatClosesLastIsWhatTheNextStartSees) {
  // Two instances saving over and over at the same time: every file between
  // their saves is whole, and the last one holds one instance's settings.
  USet::LoadSettings();
  USet::StoreLoadedDefaults();
  std::vector<pid_t> children;
  for (const Settings& mine :
       {Settings{"111", "1", true, false, 1}, Settings{"222", "2", false, true, 2}}) {
    const pid_t child = ::fork();
    if (child == 0) {
      mine.MakeCurrent();
      for (int round = 0; round < 25; ++round)
        USet::SaveSettings();
      ::_exit(0);
    }
    children.push_back(child);
  }
  for (int look = 0; look < 50; ++look)
    EXPECT_NE(Stored().Value, "(no key)");
  for (const pid_t child : children) {
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  // Each instance stores what it changed from the defaults once, and its
  // later saves find nothing changed. The first keeps the defaults' three
  // integers, so whichever order the two first saves took, the integers are
  // the second's and the texts are the last saver's, each save whole.
  const Settings last = Stored();
  EXPECT_TRUE(last.Value == "111" || last.Value == "222") << last.Text();
  EXPECT_EQ(last.Text(), last.Value == "111" ? "111|1|0|1|2" : "222|2|0|1|2");
  EXPECT_EQ(USet::TakeSettingsNotice(), "");
  for (const std::string& name : OtherFiles())
    ADD_FAILURE() << "left behind: " << name;
}

} // namespace
