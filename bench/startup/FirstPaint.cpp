// first-paint PROGRAM [ARGS...]
// Starts PROGRAM on the current X display and prints, as one line,
//   <milliseconds from exec to the first painted top-level window> <peak RSS in KiB>
// The first paint is the first DAMAGE report inside a newly mapped top-level
// window's area after it is mapped; the program is then given a moment to
// settle, ended, and its peak resident memory read from the kernel.

#include "bench/startup/XProbe.h"

#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: first-paint PROGRAM [ARGS...]\n");
    return 2;
  }
  probe::Display display;
  if (!display.Ready()) return 2;
  const probe::Clock::time_point start = probe::Clock::now();
  const pid_t pid = probe::Spawn(argv + 1);
  const auto painted = probe::WaitForFirstPaint(display, start);
  usleep(300'000); // let it settle before reading its memory
  kill(-pid, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  std::printf("%.1f %ld\n", painted ? painted->milliseconds : -1.0, usage.ru_maxrss);
  return painted ? 0 : 1;
}
