// The instances meet in $XDG_RUNTIME_DIR/tallyon (else a private folder in
// /tmp): per display a lock file, held with flock for the life of the
// process, and a socket beside it. A request is one line: its letter and the
// start's activation token; the answer is "OK".

#include "platform/desktop/Instance.h"

#include <QSocketNotifier>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace platform {

namespace {

using namespace std::chrono_literals;

// How long a start waits for the running instance: it may itself be
// starting, with its socket not yet open.
constexpr auto LongestAnswerWait = 5s;
constexpr auto RetryPause = 50ms;

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// A display's name as a file name: ":0.1" and "unix:0" are both "x11-0".
std::string DisplayName() {
  const std::string platform = Environment("QT_QPA_PLATFORM");
  const std::string x11 = Environment("DISPLAY");
  std::string name;
  if (platform.rfind("wayland", 0) == 0 || (platform.empty() && x11.empty())) {
    const std::string wayland = Environment("WAYLAND_DISPLAY");
    name = "wayland-" + (wayland.empty() ? std::string("wayland-0") : wayland);
  } else {
    const std::size_t colon = std::min(x11.rfind(':'), x11.size());
    std::string host = x11.substr(0, colon);
    const std::string number = x11.substr(std::min(colon + 1, x11.size()));
    if (host == "unix" || host == "localhost") host.clear();
    name = "x11-" + (host.empty() ? "" : host + "-") + number.substr(0, number.find('.'));
  }
  for (char& c : name)
    if (std::isalnum(static_cast<unsigned char>(c)) == 0 && c != '-' && c != '.') c = '_';
  return name;
}

// A folder only this user can enter, or the empty text.
std::string MeetingFolder() {
  const std::string runtime = Environment("XDG_RUNTIME_DIR");
  const std::string folder =
      runtime.empty() ? "/tmp/tallyon-" + std::to_string(::getuid()) : runtime + "/tallyon";
  ::mkdir(folder.c_str(), 0700);
  struct stat info {};
  if (::lstat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != ::getuid() ||
      (info.st_mode & 077) != 0)
    return {};
  return folder;
}

sockaddr_un SocketAddress(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
  return address;
}

// Whether another process holds the lock file's lock.
bool IsHeld(const std::string& lockFile) {
  const int fd = ::open(lockFile.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return false;
  const bool held = ::flock(fd, LOCK_SH | LOCK_NB) != 0 && errno == EWOULDBLOCK;
  ::close(fd);
  return held;
}

// Reads one line from the socket, waiting at most `wait`.
std::string ReadLine(int fd, std::chrono::milliseconds wait) {
  std::string line;
  const auto deadline = std::chrono::steady_clock::now() + wait;
  char buffer[256];
  while (line.find('\n') == std::string::npos && line.size() < 4096) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    pollfd ready{fd, POLLIN, 0};
    if (left.count() <= 0 || ::poll(&ready, 1, int(left.count())) <= 0) break;
    const ssize_t got = ::recv(fd, buffer, sizeof buffer, 0);
    if (got <= 0) break;
    line.append(buffer, std::size_t(got));
  }
  return line.substr(0, line.find('\n'));
}

} // namespace

DisplayInstance::DisplayInstance(InstanceRequest request)
    : FFolder(MeetingFolder()), FName(DisplayName()) {
  if (FFolder.empty()) return;
  const std::string lockFile = FFolder + "/" + FName + ".lock";
  FLock = ::open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (FLock < 0) return;
  const auto deadline = std::chrono::steady_clock::now() + LongestAnswerWait;
  while (true) {
    if (TakeDisplay()) return;
    HandOver(request);
    if (FRole == Role::HandedOver || std::chrono::steady_clock::now() > deadline) return;
    std::this_thread::sleep_for(RetryPause);
  }
}

DisplayInstance::~DisplayInstance() {
  FNotifier.reset();
  if (FServer >= 0) {
    ::unlink((FFolder + "/" + FName + ".socket").c_str());
    ::close(FServer);
  }
  if (FLock >= 0) ::close(FLock);
}

// With the lock, the socket is this process's: one left by a killed
// instance goes first.
bool DisplayInstance::TakeDisplay() {
  if (::flock(FLock, LOCK_EX | LOCK_NB) != 0) return false;
  FRole = Role::First;
  const std::string path = FFolder + "/" + FName + ".socket";
  ::unlink(path.c_str());
  FServer = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
  const sockaddr_un address = SocketAddress(path);
  if (FServer >= 0 &&
      (::bind(FServer, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0 ||
       ::listen(FServer, 8) != 0)) {
    ::close(FServer);
    FServer = -1;
  }
  return true;
}

// Sends the request to the instance holding the display; the role is
// HandedOver once it answered, NotAnswered while it cannot be reached.
void DisplayInstance::HandOver(InstanceRequest request) {
  FRole = Role::NotAnswered;
  const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return;
  const sockaddr_un address = SocketAddress(FFolder + "/" + FName + ".socket");
  const std::string token = Environment("XDG_ACTIVATION_TOKEN");
  const std::string line = std::string(1, char(request)) + token + "\n";
  if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 &&
      ::send(fd, line.data(), line.size(), MSG_NOSIGNAL) == ssize_t(line.size()) &&
      ReadLine(fd, LongestAnswerWait) == "OK")
    FRole = Role::HandedOver;
  ::close(fd);
}

int DisplayInstance::OthersRunning() const {
  int others = 0;
  DIR* folder = FFolder.empty() ? nullptr : ::opendir(FFolder.c_str());
  if (folder == nullptr) return 0;
  while (const dirent* entry = ::readdir(folder)) {
    const std::string name = entry->d_name;
    if (name.ends_with(".lock") && name != FName + ".lock" && IsHeld(FFolder + "/" + name))
      ++others;
  }
  ::closedir(folder);
  return others;
}

void DisplayInstance::Listen(RequestHandler onRequest) {
  if (FServer < 0) return;
  FOnRequest = std::move(onRequest);
  FNotifier = std::make_unique<QSocketNotifier>(FServer, QSocketNotifier::Read);
  QObject::connect(FNotifier.get(), &QSocketNotifier::activated, FNotifier.get(),
                   [this] { Answer(); });
}

// A request is a line written right after connecting; a start that does not
// send one in time is closed unanswered.
void DisplayInstance::Answer() {
  const int fd = ::accept4(FServer, nullptr, nullptr, SOCK_CLOEXEC);
  if (fd < 0) return;
  const std::string line = ReadLine(fd, 200ms);
  if (!line.empty() &&
      (line[0] == char(InstanceRequest::Show) || line[0] == char(InstanceRequest::Toggle))) {
    FOnRequest(InstanceRequest(line[0]), line.substr(1));
    ::send(fd, "OK\n", 3, MSG_NOSIGNAL);
  }
  ::close(fd);
}

} // namespace platform
