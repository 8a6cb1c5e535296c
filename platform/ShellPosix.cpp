#include "platform/Shell.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace platform {

namespace {

// Runs xdg-open in a grandchild, so that nothing waits for it and no zombie
// is left; the exec's failure comes back through a pipe closed on exec.
[[noreturn]] void StartHandler(const std::string& address, int report) {
  if (::fork() == 0) {
    ::setsid();
    const char* const arguments[] = {"xdg-open", address.c_str(), nullptr};
    ::execvp(arguments[0], const_cast<char* const*>(arguments));
    const int error = errno;
    [[maybe_unused]] const ssize_t written = ::write(report, &error, sizeof error);
  }
  ::_exit(0);
}

} // namespace

std::error_code OpenWithShell(const std::string& address) {
  int channel[2];
  if (::pipe2(channel, O_CLOEXEC) != 0) return {errno, std::generic_category()};
  const pid_t child = ::fork();
  if (child < 0) {
    const int error = errno;
    ::close(channel[0]);
    ::close(channel[1]);
    return {error, std::generic_category()};
  }
  if (child == 0) {
    ::close(channel[0]);
    StartHandler(address, channel[1]);
  }
  ::close(channel[1]);
  int status = 0;
  ::waitpid(child, &status, 0);
  int error = 0;
  const ssize_t got = ::read(channel[0], &error, sizeof error);
  ::close(channel[0]);
  if (got == sizeof error) return {error, std::generic_category()};
  return {};
}

} // namespace platform
