#pragma once
// A real desktop for end-to-end tests: an Xvfb server of its own, a window
// manager (openbox), and optionally a system-tray host (trayer); plus the
// command-line tools that act as the user (xdotool), read window state
// (xprop) and use the clipboard (xclip). Every program started here gets a
// temporary home and a pinned locale.

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <sys/types.h>
#include <unistd.h>
#include <vector>

namespace e2e {

// The whole content of a file; empty when it cannot be read.
std::string ReadFile(const std::filesystem::path& path);

// A child process in a process group of its own, ended when destroyed.
class Process {
public:
  explicit Process(const std::vector<std::string>& argv);
  Process(Process&& other) noexcept;
  ~Process();
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;

  bool Running();
  // Waits for the process to end by itself; its exit status, or nothing when
  // it is still running after the timeout.
  std::optional<int> Wait(std::chrono::milliseconds timeout);
  void Stop();
  // Sends a signal to the process alone (SIGTERM, SIGSTOP, ...).
  void Signal(int number) const;
  pid_t Pid() const { return FPid; }

private:
  pid_t FPid = -1;
};

class DesktopSession {
public:
  DesktopSession();
  ~DesktopSession();

  const std::string& Display() const { return FDisplay; }
  const std::filesystem::path& Home() const { return FHome; }
  std::filesystem::path SettingsFile() const;

  // Starts a tray host docked at the top right of the screen.
  void StartTrayHost();
  // Ends it, as a crashed or quit tray would.
  void StopTrayHost();
  // Ends the X server, as a crash or a logout would; the session has no
  // display afterwards.
  void StopServer();

  // Starts a Wayland compositor (weston) as a window of the X server and
  // makes it the platform of the programs started afterwards: they run as
  // native Wayland clients, and the X keycodes typed into the compositor's
  // window reach the focused client in the compositor's keyboard layout,
  // e.g. "fr". (Weston's headless backend has no input devices, and
  // Debian's weston has neither its test nor a virtual-keyboard protocol to
  // send keys through.)
  // The compositor also runs XWayland: X clients on XWaylandDisplay() get
  // the compositor's layout as their X keymap.
  void StartWaylandCompositor(const std::string& layout);
  const std::string& XWaylandDisplay() const { return FXwaylandDisplay; }

  // Starts a stand-in status-notifier host on the session bus (the tray of
  // KDE Plasma and GNOME's AppIndicator extension), before the program.
  void StartStatusNotifierHost();
  // The host's tool (tests/e2e/status_notifier.py) on the item registered
  // last, e.g. StatusNotifier("menu"); empty until an item registered and
  // while it does not answer.
  std::string StatusNotifier(const std::string& command) const;

  // Starts a program of the session (DISPLAY, HOME, XDG_CONFIG_HOME, locale).
  Process Start(const std::vector<std::string>& argv) const;
  // Runs a shell command in the session; its standard output.
  std::string Shell(const std::string& command) const;
  int ShellStatus(const std::string& command) const;
  // The first line of a shell command's output, without its line break.
  std::string Line(const std::string& command) const;

  // The first window whose title is `title`, waiting for it to be mapped.
  std::string WaitForWindow(const std::string& title,
                            std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
  // Whether the window's _NET_WM_STATE holds `state` (e.g. "_NET_WM_STATE_SKIP_TASKBAR").
  bool HasWindowState(const std::string& window, const std::string& state) const;
  bool IsViewable(const std::string& window) const;

  // Keys by name as xdotool knows them, typed into the focused window.
  void Keys(const std::string& keys) const;
  // One key by X keycode, bypassing the keysym lookup (for the keypad, and
  // for a layout the X server does not have), with Shift held or not.
  void Keycode(int keycode, bool shift = false) const;
  void SetNumLock(bool on) const;

  std::string ClipboardText() const;
  // Owns the clipboard with `text` until the next owner takes it.
  void SetClipboardText(const std::string& text) const;
  // The value as the focused Tallyon's Copy (Ctrl+Insert) puts it on the
  // clipboard: a marker goes there first, so the program's copy is told
  // from what the clipboard held before; the marker when no copy came.
  std::string CopiedValue() const;

  // Polls until `condition` holds or the timeout passes.
  template <typename Condition>
  bool Eventually(Condition condition,
                  std::chrono::milliseconds timeout = std::chrono::seconds(5)) const;

private:
  std::filesystem::path FHome;
  std::string FDisplay;
  std::optional<Process> FServer;
  std::optional<Process> FWindowManager;
  std::optional<Process> FTrayHost;
  std::optional<Process> FStatusNotifierHost;
  std::optional<Process> FCompositor;
  std::string FXwaylandDisplay;
};

template <typename Condition>
bool DesktopSession::Eventually(Condition condition, std::chrono::milliseconds timeout) const {
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  while (std::chrono::steady_clock::now() < deadline) {
    if (condition()) return true;
    ::usleep(50'000);
  }
  return condition();
}

} // namespace e2e
