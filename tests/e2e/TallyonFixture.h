#pragma once
// The fixture of the end-to-end tests of the program: a desktop session of
// its own per test, the program started in it and driven as the user does.

#include "DesktopSession.h"
#include "platform/RegistryFile.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <optional>
#include <string>

namespace e2e {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

inline constexpr const char* Title = "Tallyon - Freeware";

// The value and the memory as the settings file holds them: what the next
// start shows, as "VALUE MMEMORY" ("(none)" for a missing one).
inline std::string StoredValueAndMemory(const fs::path& file) {
  const auto parsed = platform::RegistryFile::Parse(ReadFile(file));
  if (!parsed) return "(unreadable)";
  const auto text = [&](const char* name) {
    const auto value = parsed->Find("HKEY_CURRENT_USER\\Software\\Corvane\\Tallyon", name);
    return value ? value->data.substr(0, value->data.find('\0')) : std::string("(none)");
  };
  return text("Value") + " M" + text("Memory");
}

inline void WriteSettings(const e2e::DesktopSession& session, const std::string& values) {
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

} // namespace e2e
