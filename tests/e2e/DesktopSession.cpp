#include "DesktopSession.h"

#include <gtest/gtest.h>
#include <xcb/xcb.h>

#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>

namespace e2e {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

std::string ReadFile(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

Process::Process(const std::vector<std::string>& argv) {
  FPid = ::fork();
  if (FPid == 0) {
    ::setpgid(0, 0);
    std::vector<char*> args;
    for (const std::string& arg : argv)
      args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);
    ::execvp(args[0], args.data());
    ::_exit(127);
  }
  if (FPid < 0) throw std::runtime_error("cannot start " + argv.front());
}

Process::Process(Process&& other) noexcept : FPid(other.FPid) {
  other.FPid = -1;
}

Process::~Process() {
  Stop();
}

bool Process::Running() {
  return FPid > 0 && !Wait(0ms);
}

std::optional<int> Process::Wait(std::chrono::milliseconds timeout) {
  if (FPid <= 0) return std::nullopt;
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  do {
    int status = 0;
    if (::waitpid(FPid, &status, WNOHANG) == FPid) {
      FPid = -1;
      return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    if (timeout > 0ms) std::this_thread::sleep_for(20ms);
  } while (std::chrono::steady_clock::now() < deadline);
  return std::nullopt;
}

void Process::Stop() {
  if (FPid <= 0) return;
  ::kill(-FPid, SIGTERM);
  if (!Wait(3s)) {
    ::kill(-FPid, SIGKILL);
    Wait(3s);
  }
}

void Process::Signal(int number) const {
  if (FPid > 0) ::kill(FPid, number);
}

namespace {

std::string Quote(const std::string& text) {
  std::string quoted = "'";
  for (char c : text)
    quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

// Starts Xvfb on a free display; it names the display on a pipe when ready.
std::pair<Process, std::string> StartServer() {
  int fds[2];
  if (::pipe(fds) != 0) throw std::runtime_error("pipe");
  Process server({"Xvfb", "-displayfd", std::to_string(fds[1]), "-screen", "0", "1024x768x24",
                  "-nolisten", "tcp", "-noreset"});
  ::close(fds[1]);
  std::string number;
  char c;
  while (::read(fds[0], &c, 1) == 1 && c != '\n')
    number += c;
  ::close(fds[0]);
  if (number.empty()) throw std::runtime_error("Xvfb did not start");
  return {std::move(server), ":" + number};
}

} // namespace

DesktopSession::DesktopSession() {
  std::string pattern = (fs::temp_directory_path() / "tallyon-e2e-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp");
  FHome = pattern;
  auto [server, display] = StartServer();
  FServer.emplace(std::move(server));
  FDisplay = display;
  // The session's programs, and the tools run through Shell, inherit these.
  ::setenv("DISPLAY", FDisplay.c_str(), 1);
  ::setenv("HOME", FHome.c_str(), 1);
  ::setenv("XDG_CONFIG_HOME", (FHome / ".config").c_str(), 1);
  ::setenv("XDG_RUNTIME_DIR", FHome.c_str(), 1);
  ::setenv("LC_ALL", "C.UTF-8", 1);
  ::setenv("QT_QPA_PLATFORM", "xcb", 1);
  ::unsetenv("QT_SCALE_FACTOR");
  ::unsetenv("WAYLAND_DISPLAY");
  // Openbox runs its start-up command once it manages windows; a window
  // mapped before then may never be managed.
  const fs::path ready = FHome / "window-manager-ready";
  FWindowManager.emplace(
      std::vector<std::string>{"openbox", "--sm-disable", "--startup", "touch " + ready.string()});
  if (!Eventually([&] { return fs::exists(ready); }, 10s))
    throw std::runtime_error("the window manager did not start");
}

DesktopSession::~DesktopSession() {
  FCompositor.reset();
  FStatusNotifierHost.reset();
  FTrayHost.reset();
  FWindowManager.reset();
  FServer.reset();
  std::error_code ignored;
  fs::remove_all(FHome, ignored);
}

fs::path DesktopSession::SettingsFile() const {
  return FHome / ".config" / "Corvane" / "Tallyon.reg";
}

void DesktopSession::StopServer() {
  FServer.reset();
  FTrayHost.reset();
  FWindowManager.reset();
}

void DesktopSession::StartTrayHost() {
  FTrayHost.emplace(std::vector<std::string>{"trayer", "--edge", "top", "--align", "right",
                                             "--widthtype", "pixel", "--width", "60",
                                             "--heighttype", "pixel", "--height", "22",
                                             "--transparent", "false", "--SetDockType", "true"});
  Eventually([this] { return ShellStatus("xdotool search --onlyvisible --class trayer") == 0; },
             10s);
}

void DesktopSession::StopTrayHost() {
  FTrayHost.reset();
}

namespace {

// Weston on X takes its keyboard layout from the X server's XKB rule names;
// this X server takes no other keymap (setxkbmap, xkbcomp and xmodmap leave
// it at US), so the names alone tell the compositor.
void SetXkbRuleNames(const std::string& display, const std::string& layout) {
  xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
  const char* name = "_XKB_RULES_NAMES";
  std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
      xcb_intern_atom_reply(
          connection,
          xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
          nullptr),
      &std::free);
  // rules, model, layout, variant, options, each ended by a NUL
  const std::string names =
      std::string("evdev") + '\0' + "pc105" + '\0' + layout + '\0' + '\0' + '\0';
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  if (atom)
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, root, atom->atom, XCB_ATOM_STRING, 8,
                        static_cast<std::uint32_t>(names.size()), names.data());
  xcb_flush(connection);
  xcb_disconnect(connection);
}

} // namespace

void DesktopSession::StartWaylandCompositor(const std::string& layout) {
  SetXkbRuleNames(FDisplay, layout);
  const std::string socket = "wayland-tallyon";
  const fs::path log = FHome / "weston.log";
  FCompositor.emplace(std::vector<std::string>{
      "sh", "-c",
      "exec weston --backend=x11-backend.so --socket=" + socket +
          " --width=1000 --height=740 --idle-time=0 --no-config --xwayland > " + log.string() +
          " 2>&1"});
  if (!Eventually([&] { return fs::exists(FHome / socket); }, 10s))
    throw std::runtime_error("weston did not start");
  Eventually([&] {
    FXwaylandDisplay =
        Line("sed -n 's/.*xserver listening on display \\(:[0-9]*\\).*/\\1/p' " + log.string());
    return !FXwaylandDisplay.empty();
  });
  const std::string output = WaitForWindow("Weston Compositor - screen0");
  // Keys go to the compositor's window, the pointer rests inside it.
  ShellStatus("xdotool windowactivate --sync " + output + " mousemove --window " + output +
              " 500 370");
  ::setenv("WAYLAND_DISPLAY", socket.c_str(), 1);
  ::setenv("QT_QPA_PLATFORM", "wayland", 1);
}

void DesktopSession::StartStatusNotifierHost() {
  FStatusNotifierHost.emplace(std::vector<std::string>{TALLYON_STATUS_NOTIFIER, "watcher",
                                                       (FHome / "status-notifier-items").string()});
  Eventually(
      [this] {
        return ShellStatus("gdbus introspect --session --dest org.kde.StatusNotifierWatcher "
                           "--object-path /StatusNotifierWatcher") == 0;
      },
      10s);
}

std::string DesktopSession::StatusNotifier(const std::string& command) const {
  const std::string item =
      Line("tail -n 1 " + (FHome / "status-notifier-items").string() + " 2>/dev/null");
  if (item.empty()) return {};
  const auto space = command.find(' ');
  return Shell(std::string(TALLYON_STATUS_NOTIFIER) + " " + command.substr(0, space) + " " +
               Quote(item) + (space == std::string::npos ? "" : command.substr(space)) + " 2>&1");
}

Process DesktopSession::Start(const std::vector<std::string>& argv) const {
  return Process(argv);
}

std::string DesktopSession::Shell(const std::string& command) const {
  std::string output;
  FILE* pipe = ::popen(command.c_str(), "r");
  if (pipe == nullptr) return output;
  std::array<char, 4096> buffer;
  std::size_t read;
  while ((read = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0)
    output.append(buffer.data(), read);
  ::pclose(pipe);
  return output;
}

int DesktopSession::ShellStatus(const std::string& command) const {
  const int status = std::system((command + " >/dev/null 2>&1").c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string DesktopSession::Line(const std::string& command) const {
  const std::string output = Shell(command);
  return output.substr(0, output.find('\n'));
}

std::string DesktopSession::WaitForWindow(const std::string& title,
                                          std::chrono::milliseconds timeout) const {
  std::string window;
  Eventually(
      [&] {
        window = Line("xdotool search --onlyvisible --name " + Quote("^" + title + "$") +
                      " 2>/dev/null");
        return !window.empty();
      },
      timeout);
  return window;
}

bool DesktopSession::HasWindowState(const std::string& window, const std::string& state) const {
  return Shell("xprop -id " + window + " _NET_WM_STATE").find(state) != std::string::npos;
}

bool DesktopSession::IsViewable(const std::string& window) const {
  return Shell("xwininfo -id " + window).find("IsViewable") != std::string::npos;
}

void DesktopSession::Keys(const std::string& keys) const {
  ShellStatus("xdotool key --delay 30 " + keys);
}

void DesktopSession::Keycode(int keycode, bool shift) const {
  const std::string code = std::to_string(keycode);
  const std::string press = "keydown " + code + " keyup " + code;
  ShellStatus("xdotool " + (shift ? "keydown Shift_L " + press + " keyup Shift_L" : press));
}

void DesktopSession::SetNumLock(bool on) const {
  const bool isOn = Shell("xset q").find("Num Lock:    on") != std::string::npos;
  if (isOn != on) Keys("Num_Lock");
}

std::string DesktopSession::ClipboardText() const {
  return Shell("timeout 5 xclip -selection clipboard -o 2>/dev/null");
}

std::string DesktopSession::CopiedValue() const {
  const std::string marker = "(not copied)";
  SetClipboardText(marker);
  Keys("ctrl+Insert");
  std::string copied = marker;
  Eventually([&] { return (copied = ClipboardText()) != marker; });
  return copied;
}

void DesktopSession::SetClipboardText(const std::string& text) const {
  ShellStatus("printf %s " + Quote(text) + " | xclip -selection clipboard -i");
  // xclip serves the selection from a child of its own; wait until it does.
  Eventually([&] { return ClipboardText() == text; });
}

} // namespace e2e
