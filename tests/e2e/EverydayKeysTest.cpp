// Everyday keys on a real desktop (Xvfb, openbox, US layout): the main
// row's operator keys, Enter on a focused key, one box per failing key
// counted over several runs, every box closed by the keyboard with the
// focus back on the calculator, the desktop's clipboard and quit keys, the
// number dialog by keyboard, the functions panel at the screen's edge, the
// tray going away, and what a screen reader hears.

#include "DesktopSession.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>
#include <vector>

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

constexpr const char* Title = "Tallyon - Freeware";

using e2e::ReadFile;

// Client coordinates of the keys' and the value display's centres.
struct Place {
  int x, y;
};
constexpr Place Key2{161, 148}, KeyPlus{237, 108}, Key3{199, 148}, Key7{123, 94};
constexpr Place ValueDisplay{150, 40};

class EverydayKeys : public ::testing::Test {
protected:
  void Launch(const std::vector<std::string>& environment = {}) {
    std::vector<std::string> argv{"env"};
    argv.insert(argv.end(), environment.begin(), environment.end());
    argv.push_back(TALLYON_BINARY);
    program.emplace(session.Start(argv));
    window = session.WaitForWindow(Title);
    ASSERT_FALSE(window.empty()) << "the window did not appear";
    session.ShellStatus("xdotool windowactivate --sync " + window);
  }

  void Click(Place place) const {
    session.ShellStatus("xdotool mousemove --window " + window + " " + std::to_string(place.x) +
                        " " + std::to_string(place.y) + " click 1");
  }

  std::string CopiedValue() const { return session.CopiedValue(); }

  std::string BoxWindow(const std::string& title, std::chrono::milliseconds timeout = 2s) const {
    return session.WaitForWindow(title, timeout);
  }

  bool Viewable(const std::string& box) const {
    return session.ShellStatus("xwininfo -id " + box + " | grep -q IsViewable") == 0;
  }

  bool Gone(const std::string& box) const {
    return session.Eventually([&] { return !Viewable(box); }, 3s);
  }

  // The error boxes that show, each closed by Enter, until none comes
  // within a second.
  int ErrorBoxes() const {
    int boxes = 0;
    for (std::string box; !(box = BoxWindow("Tallyon", boxes == 0 ? 2s : 1s)).empty() && boxes < 5;
         ++boxes) {
      session.ShellStatus("xdotool windowactivate --sync " + box + " key Return");
      Gone(box);
    }
    return boxes;
  }

  std::string Geometry() const { return session.Shell("xdotool getwindowgeometry " + window); }

  e2e::DesktopSession session;
  std::optional<e2e::Process> program;
  std::string window;
};

// The rows of the everyday table that keys alone decide.
TEST_F(EverydayKeys, TheMainRowCalculatesAndEnterIsEqual) {
  Launch();
  const struct {
    const char* tag;
    std::function<void()> keys;
    const char* copied;
  } rows[] = {
      {"8 + 2 = on the main row", [&] { session.Keys("Delete 8 plus 2 equal"); }, "10"},
      {"250 - 20 % on the main row", [&] { session.Keys("Delete 2 5 0 minus 2 0 percent"); },
       "200"},
      {"7 * 6 / 3 on the main row", [&] { session.Keys("Delete 7 asterisk 6 slash 3 Return"); },
       "14"},
      {"mouse 2, +, 3, then Enter",
       [&] {
         session.Keys("Delete");
         for (const Place key : {Key2, KeyPlus, Key3})
           Click(key);
         session.Keys("Return");
       },
       "5"},
      {"and Enter again repeats, not the clicked key", [&] { session.Keys("Return"); }, "8"},
      {"the space bar clicks the focused key", [&] { session.Keys("space"); }, "3"},
  };
  for (const auto& row : rows) {
    row.keys();
    EXPECT_EQ(CopiedValue(), row.copied) << row.tag;
  }
}

// A failing key shows one box, whatever holds the focus: nothing, or a key
// clicked before (the box then moved the focus while the key was on its way).
TEST_F(EverydayKeys, OneFailingKeyOneBox) {
  Launch();
  const char* const failing[] = {"Delete 8 KP_Divide 0 Return", "Delete 8 slash 0 equal",
                                 "Delete 1 F9 shift+2"};
  for (const bool keyFocused : {false, true}) {
    if (keyFocused) Click(Key7);
    for (int run = 0; run < 2; ++run)
      for (const char* keys : failing) {
        session.Keys(keys);
        EXPECT_EQ(ErrorBoxes(), 1)
            << keys << (keyFocused ? ", a key focused" : "") << ", run " << run;
      }
  }
}

// Every box closes by the keyboard, and however it closed, the digits typed
// next reach the calculator.
TEST_F(EverydayKeys, EveryBoxGivesTheFocusBack) {
  Launch();
  struct Box {
    const char* tag;
    const char* title;
    std::function<void()> open;
  };
  const Box boxes[] = {
      {"About", "About", [&] { session.Keys("alt+h a"); }},
      {"Help > Keyboard", "Tallyon", [&] { session.Keys("alt+h k"); }},
      {"the number dialog", "Submit", [&] { Click(ValueDisplay); }},
      {"an error", "Tallyon", [&] { session.Keys("Delete 1 KP_Divide 0 Return"); }},
  };
  const struct {
    const char* tag;
    const char* keys;
  } closings[] = {{"Esc", "Escape"}, {"Enter", "Return"}, {"the close box", "alt+F4"}};
  for (const Box& box : boxes)
    for (const auto& closing : closings) {
      box.open();
      const std::string shown = BoxWindow(box.title);
      ASSERT_FALSE(shown.empty()) << box.tag;
      session.Keys(closing.keys);
      EXPECT_TRUE(Gone(shown)) << box.tag << " stays open after " << closing.tag;
      session.Keys("Delete 7");
      EXPECT_EQ(CopiedValue(), "7") << box.tag << ", closed by " << closing.tag;
    }
  // A click on the About box's OK.
  session.Keys("alt+h a");
  const std::string about = BoxWindow("About");
  ASSERT_FALSE(about.empty());
  session.ShellStatus("xdotool mousemove --window " + about + " 400 267 click 1");
  EXPECT_TRUE(Gone(about));
  session.Keys("Delete 4");
  EXPECT_EQ(CopiedValue(), "4");
}

// Click the value display, type 12.5, Enter: the number is the value, and
// it is stored as a number text, without an empty exponent.
TEST_F(EverydayKeys, TheNumberDialogTakesTheTypedNumber) {
  Launch();
  session.Keys("Delete 6");
  Click(ValueDisplay);
  ASSERT_FALSE(BoxWindow("Submit").empty());
  session.Keys("1 2 period 5 Return");
  EXPECT_EQ(CopiedValue(), "12.5");
  session.Keys("ctrl+q");
  ASSERT_TRUE(program->Wait(10s).has_value()) << "Ctrl+Q did not quit";
  EXPECT_NE(ReadFile(session.SettingsFile()).find("\"Value\"=\"12.5\""), std::string::npos);
  Launch();
  EXPECT_EQ(CopiedValue(), "12.5");
}

// Ctrl+C and Ctrl+V copy and paste; Ctrl+Q quits through the normal close
// and leaves the memory alone; M- is Ctrl+Shift+P.
TEST_F(EverydayKeys, TheDesktopsClipboardAndQuitKeys) {
  Launch();
  session.Keys("Delete 1 1 7 ctrl+p Delete 5 ctrl+shift+p");
  session.SetClipboardText("(not copied)");
  session.Keys("ctrl+c");
  EXPECT_TRUE(session.Eventually([&] { return session.ClipboardText() == "5"; }, 2s))
      << session.ClipboardText();
  session.SetClipboardText("1,234.5");
  session.Keys("ctrl+v");
  EXPECT_EQ(CopiedValue(), "1234.5");
  session.Keys("ctrl+q");
  ASSERT_TRUE(program->Wait(10s).has_value()) << "Ctrl+Q did not quit";
  const std::string stored = ReadFile(session.SettingsFile());
  EXPECT_NE(stored.find("\"Memory\"=\"112\""), std::string::npos) << stored;
  EXPECT_NE(stored.find("\"Value\"=\"1234.5\""), std::string::npos) << stored;
}

// Near the screen's right edge the window moves left so that the whole
// functions panel shows.
TEST_F(EverydayKeys, TheFunctionsPanelStaysOnScreen) {
  Launch();
  session.ShellStatus("xdotool windowmove --sync " + window + " 900 200");
  session.Keys("alt+v f");
  std::string geometry;
  EXPECT_TRUE(session.Eventually([&] {
    geometry = Geometry();
    const auto at = geometry.find("Position: ");
    const auto size = geometry.find("Geometry: ");
    if (at == std::string::npos || geometry.find("520x225", size) == std::string::npos)
      return false;
    const int x = std::stoi(geometry.substr(at + 10));
    return x >= 0 && x + 520 <= 1024;
  })) << geometry;
}

// Without a tray the tray-only entry is disabled: its letter does nothing.
TEST_F(EverydayKeys, WithoutATrayTheTrayOnlyModeCannotBeChosen) {
  Launch();
  session.Keys("alt+v o s Escape Escape");
  session.Keys("ctrl+q");
  ASSERT_TRUE(program->Wait(10s).has_value());
  EXPECT_NE(ReadFile(session.SettingsFile()).find("\"ShowIn\"=dword:00000001"), std::string::npos);
}

// A window hidden in the tray comes back when the tray goes away.
TEST_F(EverydayKeys, AWindowInTheTrayComesBackWhenTheTrayGoes) {
  session.StartTrayHost();
  fs::create_directories(session.SettingsFile().parent_path());
  std::ofstream(session.SettingsFile())
      << "REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon]\n\"ShowIn\"=dword:00000003\n";
  Launch();
  session.ShellStatus("xdotool windowminimize " + window);
  ASSERT_TRUE(session.Eventually([&] { return !session.IsViewable(window); })) << "not hidden";
  session.StopTrayHost();
  EXPECT_TRUE(session.Eventually([&] { return session.IsViewable(window); }, 5s))
      << "still hidden without a tray";
}

// A screen reader's view over AT-SPI: the focused value display announces
// each new value as inserted text, and the keys name their shortcuts.
TEST_F(EverydayKeys, AScreenReaderHearsEachNewValue) {
  const fs::path events = session.Home() / "atspi-events.txt";
  e2e::Process listener = session.Start(
      {"sh", "-c", std::string(TALLYON_ATSPI_LISTENER) + " listen > " + events.string() + " 2>&1"});
  ASSERT_TRUE(session.Eventually(
      [&] { return ReadFile(events).find("listening") != std::string::npos; }, 10s))
      << ReadFile(events);
  Launch({"QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1"});
  ::usleep(500'000);
  session.Keys("Delete 2 plus 3 Return");
  EXPECT_TRUE(session.Eventually([&] {
    return ReadFile(events).find("inserted label Value: 5\n") != std::string::npos;
  })) << ReadFile(events);
  const std::string text = ReadFile(events);
  EXPECT_NE(text.find("focus label"), std::string::npos) << text;
  EXPECT_NE(text.find("inserted label Value: 3\n"), std::string::npos) << text;
  // The memory display and the pending operation (the value panel's
  // description) read too.
  session.Keys("ctrl+p Delete 4 asterisk");
  std::string shown;
  EXPECT_TRUE(session.Eventually([&] {
    shown = session.Shell(std::string(TALLYON_ATSPI_LISTENER) + " read 2>&1");
    return shown.find("label\t4\tValue\t4\n") != std::string::npos &&
           shown.find("label\t5\tMemory\t5\n") != std::string::npos &&
           shown.find("panel\tValue\t\u00D7\t") != std::string::npos;
  })) << shown;
  const std::string keys = session.Shell(std::string(TALLYON_ATSPI_LISTENER) + " keys 2>&1");
  for (const char* row : {"=\tEnter;=\n", "+\t+\n", "C\tDelete\n", "M-\tCtrl+Shift+P\n"})
    EXPECT_NE(keys.find(row), std::string::npos) << row << " in\n" << keys;
}

} // namespace
