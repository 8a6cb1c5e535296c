// The real program under a real X server: keystrokes from xdotool, the
// clipboard through xclip, window state through xprop, the settings file on
// disk.

#include "DesktopSession.h"
#include "platform/RegistryFile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <functional>
#include <random>
#include <sstream>

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr const char* Title = "Tallyon - Freeware";

using e2e::ReadFile;

void WriteSettings(const e2e::DesktopSession& session, const std::string& values) {
  fs::create_directories(session.SettingsFile().parent_path());
  std::ofstream(session.SettingsFile())
      << "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon]\n"
      << values;
}

class Tallyon : public ::testing::Test {
protected:
  void SetUp() override { session.emplace(); }
  void TearDown() override {
    program.reset();
    session.reset();
  }

  std::string Launch() {
    program.emplace(session->Start({TALLYON_BINARY}));
    window = session->WaitForWindow(Title);
    EXPECT_FALSE(window.empty()) << "the window did not appear; still running: "
                                 << program->Running();
    session->ShellStatus("xdotool windowactivate --sync " + window);
    return window;
  }

  // Closes through File > Exit and waits for the program to end.
  void Exit() {
    session->Keys("alt+f e");
    ASSERT_TRUE(program->Wait(10s).has_value()) << "the program did not end";
  }

  // A click on the icon in the tray host; the icon sits at the right end of
  // the 60-pixel tray host.
  void ClickTrayIcon() {
    const std::string tray = session->Line("xdotool search --onlyvisible --class trayer");
    ASSERT_FALSE(tray.empty());
    session->ShellStatus("xdotool mousemove --window " + tray + " 49 11 click 1");
  }

  std::string CopiedValue() { return session->CopiedValue(); }

  std::optional<e2e::DesktopSession> session;
  std::optional<e2e::Process> program;
  std::string window;
};

TEST_F(Tallyon, KeysCalculateAndCopyPutsTheResultOnTheClipboard) {
  Launch();
  session->SetNumLock(true);
  session->Keys("Delete 2");
  session->Keycode(86); // keypad +
  session->Keys("3 Return");
  EXPECT_EQ(CopiedValue(), "5");
  Exit();
}

TEST_F(Tallyon, ShiftedMainRowKeysAndTheKeypadWithNumLockOff) {
  Launch();
  session->SetNumLock(true);
  session->Keys("Delete 2 0 0");
  session->Keycode(86); // keypad +
  session->Keys("1 0 shift+5");
  EXPECT_EQ(CopiedValue(), "220");
  session->Keys("Delete 6 shift+8 7 Return");
  EXPECT_EQ(CopiedValue(), "42");
  session->SetNumLock(false);
  session->Keycode(91); // keypad "." sends Delete now: clear
  EXPECT_EQ(CopiedValue(), "0");
  Exit();
}

TEST_F(Tallyon, PasteReadsOneNumber) {
  Launch();
  session->SetClipboardText("$ -12.00");
  session->Keys("shift+Insert");
  EXPECT_EQ(CopiedValue(), "-12");
  session->SetClipboardText("12\n34");
  session->Keys("shift+Insert");
  EXPECT_EQ(CopiedValue(), "-12");
  Exit();
}

TEST_F(Tallyon, TheValueSurvivesARestart) {
  Launch();
  session->Keys("Delete 4 2 period 5");
  Exit();
  const std::string saved = ReadFile(session->SettingsFile());
  EXPECT_NE(saved.find("\"Value\"=\"42.5\""), std::string::npos) << saved;
  EXPECT_NE(saved.find("\"ShowIn\"=dword:00000001"), std::string::npos) << saved;
  Launch();
  EXPECT_EQ(CopiedValue(), "42.5");
  Exit();
}

TEST_F(Tallyon, FirstStartShowsTheDefaultValue) {
  Launch();
  EXPECT_EQ(CopiedValue(), "1234567890E+1234");
  Exit();
}

TEST_F(Tallyon, TrayOnlyModeLeavesNoTaskbarEntry) {
  session->StartTrayHost();
  WriteSettings(*session, "\"ShowIn\"=dword:00000003\n");
  Launch();
  EXPECT_TRUE(session->Eventually(
      [&] { return session->HasWindowState(window, "_NET_WM_STATE_SKIP_TASKBAR"); }));
  Exit();
}

// Without a system tray the tray-only mode must not strand the window: it
// keeps its taskbar entry and minimises to the taskbar.
TEST_F(Tallyon, TrayOnlyModeWithoutATrayKeepsTheWindowReachable) {
  WriteSettings(*session, "\"ShowIn\"=dword:00000003\n");
  Launch();
  ::usleep(300'000);
  EXPECT_FALSE(session->HasWindowState(window, "_NET_WM_STATE_SKIP_TASKBAR"));
  session->ShellStatus("xdotool windowminimize " + window);
  EXPECT_TRUE(
      session->Eventually([&] { return session->HasWindowState(window, "_NET_WM_STATE_HIDDEN"); }));
  session->ShellStatus("xdotool windowactivate --sync " + window);
  EXPECT_TRUE(session->Eventually([&] { return session->IsViewable(window); }));
  Exit();
  EXPECT_NE(ReadFile(session->SettingsFile()).find("\"ShowIn\"=dword:00000003"), std::string::npos);
}

TEST_F(Tallyon, TaskbarModeKeepsTheTaskbarEntry) {
  WriteSettings(*session, "\"ShowIn\"=dword:00000002\n");
  Launch();
  ::usleep(300'000);
  EXPECT_FALSE(session->HasWindowState(window, "_NET_WM_STATE_SKIP_TASKBAR"));
  Exit();
}

TEST_F(Tallyon, StayOnTopIsAppliedAndStored) {
  WriteSettings(*session, "\"StayOnTop\"=dword:00000001\n");
  Launch();
  EXPECT_TRUE(
      session->Eventually([&] { return session->HasWindowState(window, "_NET_WM_STATE_ABOVE"); }));
  session->Keys("alt+v t"); // View > Stay On Top: off
  EXPECT_TRUE(
      session->Eventually([&] { return !session->HasWindowState(window, "_NET_WM_STATE_ABOVE"); }));
  Exit();
  EXPECT_NE(ReadFile(session->SettingsFile()).find("\"StayOnTop\"=dword:00000000"),
            std::string::npos);
}

TEST_F(Tallyon, MinimisedToTheTrayAndBackWithoutATaskbarEntry) {
  session->StartTrayHost();
  WriteSettings(*session, "\"ShowIn\"=dword:00000003\n");
  Launch();
  session->ShellStatus("xdotool windowminimize " + window);
  EXPECT_TRUE(session->Eventually([&] { return !session->IsViewable(window); }))
      << "still on screen";
  ClickTrayIcon();
  EXPECT_TRUE(session->Eventually([&] { return session->IsViewable(window); })) << "not back";
  EXPECT_TRUE(session->Eventually(
      [&] { return session->HasWindowState(window, "_NET_WM_STATE_SKIP_TASKBAR"); }));
  session->ShellStatus("xdotool windowactivate --sync " + window);
  Exit();
}

// Stay on top, then the tray-only mode: every way back from the tray keeps
// the window above the others and without a taskbar button, and it stays
// the same X window.
TEST_F(Tallyon, TrayOnlyCycleAfterStayOnTopKeepsBothStates) {
  session->StartTrayHost();
  Launch();
  session->Keys("alt+v t");   // Stay On Top
  session->Keys("alt+v o s"); // System tray only
  for (int cycle = 0; cycle < 3; ++cycle) {
    session->ShellStatus("xdotool windowminimize " + window);
    ASSERT_TRUE(session->Eventually([&] { return !session->IsViewable(window); })) << cycle;
    ClickTrayIcon();
    ASSERT_EQ(session->WaitForWindow(Title), window) << "a new window, cycle " << cycle;
    EXPECT_TRUE(session->Eventually([&] {
      return session->HasWindowState(window, "_NET_WM_STATE_SKIP_TASKBAR") &&
             session->HasWindowState(window, "_NET_WM_STATE_ABOVE");
    })) << "cycle "
        << cycle << ": " << session->Shell("xprop -id " + window + " _NET_WM_STATE");
  }
  session->ShellStatus("xdotool windowactivate --sync " + window);
  Exit();
}

// A status-notifier tray (KDE Plasma, GNOME's AppIndicator extension): the
// program registers its icon with the host, names itself and the shown value
// in the tooltip, asks for clicks (not a menu) on a click, comes back on a
// click and on the menu's Open, and opens the About box and exits through
// the menu.
TEST_F(Tallyon, StatusNotifierTrayWorksAsTheX11Tray) {
  session->StartStatusNotifierHost();
  WriteSettings(*session, "\"ShowIn\"=dword:00000003\n");
  Launch();
  ASSERT_TRUE(session->Eventually([&] { return !session->StatusNotifier("menu").empty(); }));
  EXPECT_EQ(session->StatusNotifier("menu"), "_Open\n_Home Page\n_About\n_Exit\n");
  EXPECT_EQ(session->StatusNotifier("get ItemIsMenu"), "0\n");
  session->Keys("Delete 4 2");
  EXPECT_TRUE(session->Eventually([&] {
    return session->StatusNotifier("get ToolTip").find("Tallyon: 42") != std::string::npos;
  })) << session->StatusNotifier("get ToolTip");
  for (const char* back : {"activate", "click _Open"}) {
    session->ShellStatus("xdotool windowminimize " + window);
    ASSERT_TRUE(session->Eventually([&] { return !session->IsViewable(window); })) << back;
    session->StatusNotifier(back);
    EXPECT_TRUE(session->Eventually([&] { return session->IsViewable(window); })) << back;
    EXPECT_TRUE(session->Eventually([&] {
      return session->HasWindowState(window, "_NET_WM_STATE_SKIP_TASKBAR");
    })) << back;
  }
  session->StatusNotifier("click _About");
  const std::string about = session->WaitForWindow("About");
  ASSERT_FALSE(about.empty());
  session->ShellStatus("xdotool windowactivate --sync " + about + " key Return"); // OK
  EXPECT_TRUE(session->Eventually([&] { return !session->IsViewable(about); }));
  session->StatusNotifier("click _Exit");
  EXPECT_TRUE(program->Wait(10s).has_value()) << "the menu's Exit did not end the program";
}

// The program ended (SIGTERM, which it leaves at its default: it dies at
// once) at random moments around its closing save, run after run: the file
// always parses and holds this run's value or the one before.
TEST_F(Tallyon, EndedWhileClosingLeavesAWholeSettingsFile) {
  const char* const keys[] = {"1 1 1", "2 2 2 2"};
  const char* const values[] = {"111", "2222"};
  std::mt19937 random(3);
  // From before the Exit keys reach the program to well after its save.
  std::uniform_int_distribution<int> delay(0, 90'000);
  std::string before = "(none)";
  int saved = 0;
  for (int run = 0; run < 12; ++run) {
    Launch();
    session->Keys(std::string("Delete ") + keys[run % 2]);
    session->ShellStatus("xdotool key --delay 30 alt+f e >/dev/null 2>&1 &");
    ::usleep(static_cast<useconds_t>(delay(random)));
    program->Stop();
    ::usleep(100'000); // the keys are gone before the next start
    const auto file = platform::RegistryFile::Parse(ReadFile(session->SettingsFile()));
    ASSERT_TRUE(file.has_value()) << "run " << run;
    const auto value = file->Find("HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon", "Value");
    const std::string stored = value ? value->data.substr(0, value->data.find('\0')) : "(none)";
    EXPECT_TRUE(stored == values[run % 2] || stored == before) << "run " << run << ": " << stored;
    saved += stored == values[run % 2] ? 1 : 0;
    before = stored;
  }
  RecordProperty("saved_before_the_end", saved);
}

// The value and the memory as the settings file holds them: what the next
// start shows.
std::string StoredValueAndMemory(const fs::path& file) {
  const auto parsed = platform::RegistryFile::Parse(ReadFile(file));
  if (!parsed) return "(unreadable)";
  const auto text = [&](const char* name) {
    const auto value = parsed->Find("HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon", name);
    return value ? value->data.substr(0, value->data.find('\0')) : std::string("(none)");
  };
  return text("Value") + " M" + text("Memory");
}

// Every way a session ends the program: it stores the value and the memory
// the user had, and the next start shows them. The memory comes from clicks
// on MC and M+ (no key is bound to them).
TEST_F(Tallyon, EveryEndingKeepsTheValueAndTheMemory) {
  struct Ending {
    const char* tag;
    std::function<void()> end;
  };
  const Ending endings[] = {
      {"File > Exit", [this] { session->Keys("alt+f e"); }},
      {"SIGTERM (logout, shutdown)", [this] { program->Signal(SIGTERM); }},
      {"SIGHUP (terminal closed)", [this] { program->Signal(SIGHUP); }},
      {"SIGINT (Ctrl+C)", [this] { program->Signal(SIGINT); }},
      {"window destroyed by another client",
       [this] { session->ShellStatus("xdotool windowclose " + window); }},
      // Last: the session has no display afterwards.
      {"the X server gone", [this] { session->StopServer(); }},
  };
  std::string before = "1234567890E+1234";
  for (std::size_t row = 0; row < std::size(endings); ++row) {
    Launch();
    EXPECT_EQ(CopiedValue(), before) << "the start after: " << endings[row > 0 ? row - 1 : 0].tag;
    const std::string memory = std::to_string(row + 1);
    const std::string value = std::to_string(10 * (row + 2) + 1);
    session->Keys("Delete " + memory);
    const std::string click = "xdotool mousemove --window " + window;
    session->ShellStatus(click + " 28 94 click 1");  // MC
    session->ShellStatus(click + " 28 175 click 1"); // M+
    session->Keys("Delete " + std::string(1, value[0]) + " " + std::string(1, value[1]));
    EXPECT_EQ(CopiedValue(), value);
    const auto start = std::chrono::steady_clock::now();
    endings[row].end();
    ASSERT_TRUE(program->Wait(10s).has_value()) << endings[row].tag << ": still running";
    RecordProperty(std::string("ms_to_end ") + endings[row].tag,
                   std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(
                                      std::chrono::steady_clock::now() - start)
                                      .count()));
    EXPECT_EQ(StoredValueAndMemory(session->SettingsFile()), value + " M" + memory)
        << endings[row].tag;
    before = value;
  }
}

// A hang-up ignored when the program started (nohup) stays ignored.
TEST_F(Tallyon, UnderNohupAHangUpIsIgnored) {
  program.emplace(session->Start({"nohup", TALLYON_BINARY}));
  window = session->WaitForWindow(Title);
  ASSERT_FALSE(window.empty());
  program->Signal(SIGHUP);
  EXPECT_FALSE(program->Wait(1s).has_value()) << "the hang-up ended the program";
  session->ShellStatus("xdotool windowactivate --sync " + window);
  Exit();
}

// With the settings folder on a full disk of its own, File > Exit tells the
// cause and offers to quit without saving; Cancel keeps the window open.
TEST_F(Tallyon, AFullDiskLetsTheUserQuitWithoutSaving) {
  fs::create_directories(session->SettingsFile().parent_path());
  const std::string folder = session->SettingsFile().parent_path().string();
  program.emplace(session->Start({"unshare", "-m", "--propagation", "private", "sh", "-c",
                                  "mount -t tmpfs -o size=64k tmpfs \"$1\" && exec \"$0\"",
                                  TALLYON_BINARY, folder}));
  window = session->WaitForWindow(Title);
  ASSERT_FALSE(window.empty()) << "no mount namespace or tmpfs? " << program->Running();
  session->ShellStatus("xdotool windowactivate --sync " + window);
  session->Keys("Delete 4 2");
  const std::string inside = "nsenter -t " + std::to_string(program->Pid()) + " -m ";
  session->ShellStatus(inside + "sh -c 'cat /dev/zero > " + folder + "/filler'");
  const std::string stored = session->Shell(inside + "cat " + session->SettingsFile().string());
  ASSERT_NE(stored.find("ShowIn"), std::string::npos) << stored;

  const auto box = [&] {
    session->Keys("alt+f e");
    return session->Eventually([&] {
      return session->ShellStatus("xdotool search --onlyvisible --name '^Tallyon$'") == 0;
    });
  };
  ASSERT_TRUE(box()) << "no message box";
  session->Keys("Escape");
  ASSERT_FALSE(program->Wait(1s).has_value()) << "Cancel ended the program";
  ASSERT_TRUE(box()) << "no message box the second time";
  session->Keys("alt+q");
  EXPECT_TRUE(program->Wait(5s).has_value()) << "Quit Without Saving did not end the program";
}

// A clipboard owner that never answers (a stopped xclip): the paste gives up
// in half a second and pastes nothing; the next key is taken as before.
TEST_F(Tallyon, AStuckClipboardOwnerDoesNotFreezeTheWindow) {
  Launch();
  e2e::Process owner = session->Start({"xclip", "-quiet", "-selection", "clipboard", "-i",
                                       (session->Home() / "number.txt").string()});
  std::ofstream(session->Home() / "number.txt") << "99";
  ASSERT_TRUE(session->Eventually([&] { return session->ClipboardText() == "99"; }));
  owner.Signal(SIGSTOP);
  session->Keys("Delete 5");
  const auto start = std::chrono::steady_clock::now();
  session->Keys("shift+Insert 6");
  EXPECT_EQ(CopiedValue(), "56");
  const auto took = std::chrono::steady_clock::now() - start;
  RecordProperty(
      "paste_key_and_copy_ms",
      std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(took).count()));
  EXPECT_LT(took, 3s) << "the window froze";
  owner.Signal(SIGCONT);
  Exit();
}

// Two instances: A turns digit grouping off and closes; B, which never
// touched it, closes later and keeps A's choice, with its own value.
TEST_F(Tallyon, TwoInstancesKeepEachOthersViewOptions) {
  const std::string first = Launch();
  e2e::Process second = session->Start({TALLYON_BINARY});
  std::string other;
  ASSERT_TRUE(session->Eventually([&] {
    std::istringstream windows(
        session->Shell("xdotool search --onlyvisible --name '^Tallyon - Freeware$'"));
    for (std::string id; windows >> id;)
      if (id != first) other = id;
    return !other.empty();
  }));
  session->ShellStatus("xdotool windowactivate --sync " + first);
  session->Keys("alt+v s");
  Exit();
  EXPECT_NE(ReadFile(session->SettingsFile()).find("\"ThouSep\"=dword:00000000"),
            std::string::npos);
  session->ShellStatus("xdotool windowactivate --sync " + other);
  session->Keys("Delete 7 alt+f e");
  ASSERT_TRUE(second.Wait(10s).has_value());
  const std::string saved = ReadFile(session->SettingsFile());
  EXPECT_NE(saved.find("\"ThouSep\"=dword:00000000"), std::string::npos) << saved;
  EXPECT_NE(saved.find("\"Value\"=\"7\""), std::string::npos) << saved;
}

// A settings file that is a link into a dotfiles folder stays a link, and
// the save reaches the file in that folder.
TEST_F(Tallyon, ALinkIntoAnotherFolderIsWrittenThrough) {
  const fs::path dotfiles = session->Home() / "dotfiles" / "Tallyon.reg";
  fs::create_directories(dotfiles.parent_path());
  std::ofstream(dotfiles) << "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon]\n"
                          << "\"Value\"=\"3\"\n";
  fs::create_directories(session->SettingsFile().parent_path());
  fs::create_symlink(dotfiles, session->SettingsFile());
  Launch();
  EXPECT_EQ(CopiedValue(), "3");
  session->Keys("Delete 8 1");
  Exit();
  EXPECT_TRUE(fs::is_symlink(session->SettingsFile()));
  EXPECT_EQ(StoredValueAndMemory(dotfiles), "81 M0");
}

} // namespace

namespace {

// Every binding of the key map and the menus, typed with nothing but the
// keyboard: no pointer moves, no key is ever clicked.
struct KeyboardRow {
  const char* tag;
  std::vector<std::string> keys; // xdotool key names, or "#N" for X keycode N
  const char* copied;
};

class KeyboardAlone : public Tallyon {
protected:
  void Type(const std::vector<std::string>& keys) {
    for (const std::string& group : keys) {
      std::istringstream in(group);
      for (std::string key; in >> key;) {
        if (key.starts_with('#'))
          session->Keycode(std::stoi(key.substr(1)));
        else
          session->Keys(key);
      }
    }
  }
};

TEST_F(KeyboardAlone, EveryBoundKeyAndTheMenus) {
  // X keycodes of the keypad: 63 *, 82 -, 86 +, 106 /, 79-81 7-9, 83-85 4-6,
  // 87-89 1-3, 90 0, 91 the decimal point.
  const KeyboardRow rows[] = {
      {"main-row digits", {"Delete", "1 2 3 4 5 6 7 8 9 0"}, "1234567890"},
      {"keypad digits",
       {"Delete", "#79", "#80", "#81", "#83", "#84", "#85", "#87", "#88", "#89", "#90"},
       "7894561230"},
      {"Esc clears the entry", {"Delete", "4 #86 5 Escape 6 Return"}, "10"},
      {"keypad operators", {"Delete", "9 #82 2 #63 3 #106 7 Return"}, "3"},
      {"decimal separators", {"Delete", "1 period 2 5 #86 0 comma 7 5 #86 #91 5 Return"}, "2.5"},
      {"Shift+8 multiplies, Shift+5 is percent", {"Delete", "2 0 0 #86 1 0 shift+5"}, "220"},
      {"Enter repeats", {"Delete", "3 #86 4 Return Return"}, "11"},
      {"Edit menu by its letters", {"Delete", "8 alt+e c Delete alt+e p"}, "8"},
      {"Backspace is BACK", {"Delete", "1 2 3 BackSpace"}, "12"},
      {"F9 changes the sign", {"Delete", "5 F9"}, "-5"},
      {"R is 1/x", {"Delete", "4 r"}, "0.25"},
      {"@ is the square root", {"Delete", "9 shift+2"}, "3"},
      {"Ctrl+L, P, Shift+P, R are MC, M+, M-, MR",
       {"Delete", "ctrl+l 4 ctrl+p ctrl+p 1 ctrl+shift+p Delete ctrl+r"},
       "7"},
      {"main-row operators", {"Delete", "9 minus 2 asterisk 3 slash 7 plus 1 equal"}, "4"},
      {"letters do nothing without the panel", {"Delete", "6 s shift+1 F2 shift+3"}, "6"},
      // The functions panel from the View menu, and its letters and units.
      {"View > Functions, degrees, sin", {"alt+v f", "Delete F2 3 0 s"}, "0.5"},
      {"grads, sin", {"Delete F4 1 0 0 s"}, "1"},
      {"turns, arccos", {"Delete F5 1 F9 shift+o"}, "0.5"},
      {"power", {"Delete 2 y 1 0 Return"}, "1024"},
      {"logarithm to a base", {"Delete 8 g 2 Return"}, "3"},
      {"factorial", {"Delete 5 shift+1"}, "120"},
      {"cube", {"Delete 2 shift+3"}, "8"},
      {"hyperbolic cosine", {"Delete 0 ctrl+o"}, "1"},
      {"pi", {"Delete p"}, "3.14159265358979"},
  };
  Launch();
  session->SetNumLock(true);
  for (const KeyboardRow& row : rows) {
    Type(row.keys);
    EXPECT_EQ(CopiedValue(), row.copied) << row.tag;
  }
  // The View menu: digit grouping off, then "Taskbar only" in its submenu.
  session->Keys("alt+v s");
  session->Keys("alt+v o a");
  Exit();
  const std::string saved = ReadFile(session->SettingsFile());
  EXPECT_NE(saved.find("\"ThouSep\"=dword:00000000"), std::string::npos) << saved;
  EXPECT_NE(saved.find("\"ShowIn\"=dword:00000002"), std::string::npos) << saved;
  EXPECT_NE(saved.find("\"Functions\"=dword:00000001"), std::string::npos) << saved;
  EXPECT_NE(saved.find("\"AngularMeasure\"=dword:00000003"), std::string::npos) << saved;
}

// The functions panel with the mouse: the window grows to the right without
// moving, a unit and a function are clicked, a failing function shows the
// box and keeps the value.
TEST_F(Tallyon, TheFunctionsPanelByMouse) {
  Launch();
  const auto geometry = [&] { return session->Shell("xdotool getwindowgeometry " + window); };
  const auto position = [](const std::string& info) {
    return info.substr(info.find("Position:"), info.find('(') - info.find("Position:"));
  };
  const std::string before = geometry();
  ASSERT_NE(before.find("260x225"), std::string::npos) << before;
  session->Keys("alt+v f");
  std::string after;
  EXPECT_TRUE(session->Eventually([&] {
    return (after = geometry()).find("520x225") != std::string::npos;
  })) << after;
  EXPECT_EQ(position(after), position(before));
  // Client coordinates of the keys' centres: Deg in the unit row, sin and
  // tan in the first row of functions.
  const auto click = [&](int x, int y) {
    session->ShellStatus("xdotool mousemove --window " + window + " " + std::to_string(x) + " " +
                         std::to_string(y) + " click 1");
  };
  session->SetClipboardText("90");
  session->Keys("shift+Insert");
  click(356, 39); // Deg
  click(387, 67); // tan: "Invalid value" at its pole
  EXPECT_TRUE(session->Eventually([&] {
    return session->ShellStatus("xdotool search --onlyvisible --name '^Tallyon$'") == 0;
  })) << "no message box";
  session->Keys("Return");
  EXPECT_EQ(CopiedValue(), "90");
  session->Keys("Delete 3 0");
  click(289, 67); // sin
  EXPECT_EQ(CopiedValue(), "0.5");
  Exit();
}

// At a device-pixel ratio of 2 the window is the same window, twice the
// pixels: 260 x 225 logical, 520 x 450 on the screen.
TEST_F(Tallyon, AtRatioTwoTheWindowHasTwiceThePixels) {
  program.emplace(session->Start({"env", "QT_SCALE_FACTOR=2", TALLYON_BINARY}));
  window = session->WaitForWindow(Title);
  ASSERT_FALSE(window.empty());
  const std::string info = session->Shell("xwininfo -id " + window);
  EXPECT_NE(info.find("Width: 520"), std::string::npos) << info;
  EXPECT_NE(info.find("Height: 450"), std::string::npos) << info;
  session->ShellStatus("xdotool windowactivate --sync " + window);
  EXPECT_EQ(CopiedValue(), "1234567890E+1234");
  Exit();
}

// A clipboard text of 100 MB comes over X in increments; the paste reads it
// all, finds a number too large, and keeps the value; the window takes the
// next keys as before.
TEST_F(Tallyon, AHundredMegabyteClipboardTextKeepsTheValue) {
  Launch();
  session->Keys("Delete 4 2");
  const fs::path big = session->Home() / "big.txt";
  std::ofstream(big) << std::string(100 << 20, '7');
  session->ShellStatus("xclip -selection clipboard -i < " + big.string());
  ASSERT_TRUE(session->Eventually(
      [&] { return session->Line("xclip -selection clipboard -o | head -c 8") == "77777777"; }));
  const auto start = std::chrono::steady_clock::now();
  session->Keys("shift+Insert");
  EXPECT_EQ(CopiedValue(), "42");
  RecordProperty("paste_and_copy_ms",
                 std::to_string(std::chrono::duration_cast<std::chrono::milliseconds>(
                                    std::chrono::steady_clock::now() - start)
                                    .count()));
  // The same text as before changed nothing: the entry goes on.
  session->Keys("1");
  EXPECT_EQ(CopiedValue(), "421");
  Exit();
}

} // namespace
