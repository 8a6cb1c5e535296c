// key-latency [-n ROUNDS] [-c CLEAR_KEYSYM] PROGRAM [ARGS...]
// Starts a calculator on the current X display (a bare server, no window
// manager), types its own digit keys through XTest and prints, as one line,
//   <resident KiB after the first keys> <resident KiB at the end> <ms> <ms> ...
// where each ms is the time from one XTest key press to the first changed
// pixel of the value display (-1: no change within a second).
//
// The value display is found the same way for every program: the rows that
// differ after the digits 1 to 8 have been typed and everything has settled
// (a key's pressed look goes again, the typed number stays), across the
// window's width. Each timed press takes the display's picture just before
// it and compares it with the screen at every DAMAGE report inside those
// rows; the probe sleeps in poll() in between, so it takes no processor
// time from the program it measures. A round types 1 to 8 and then the
// clear key (Escape by default), so no display runs out of room.

#include "bench/startup/XProbe.h"

#include <xcb/xtest.h>

#include <csignal>
#include <cstdio>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace {

using probe::Clock;
using probe::Display;
using probe::Owned;
using probe::Rect;

constexpr char kDigits[] = "12345678";

std::vector<uint8_t> Capture(const Display& display, const Rect& area) {
  const auto image = Owned(xcb_get_image_reply(
      display.Connection(),
      xcb_get_image(display.Connection(), XCB_IMAGE_FORMAT_Z_PIXMAP, display.Root(), area.x, area.y,
                    area.width, area.height, ~0u),
      nullptr));
  if (!image) return {};
  const uint8_t* data = xcb_get_image_data(image.get());
  return {data, data + xcb_get_image_data_length(image.get())};
}

xcb_keycode_t KeycodeOf(const Display& display, xcb_keysym_t keysym) {
  const xcb_setup_t* setup = xcb_get_setup(display.Connection());
  const int count = setup->max_keycode - setup->min_keycode + 1;
  const auto map = Owned(xcb_get_keyboard_mapping_reply(
      display.Connection(),
      xcb_get_keyboard_mapping(display.Connection(), setup->min_keycode, count), nullptr));
  if (!map) return 0;
  const xcb_keysym_t* syms = xcb_get_keyboard_mapping_keysyms(map.get());
  for (int code = 0; code < count; ++code)
    if (syms[code * map->keysyms_per_keycode] == keysym) return setup->min_keycode + code;
  return 0;
}

void Fake(const Display& display, uint8_t type, xcb_keycode_t code) {
  xcb_test_fake_input(display.Connection(), type, code, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
  xcb_flush(display.Connection());
}

// Takes events until the screen has been quiet for `quietMs` (at most `maxMs`).
void Settle(Display& display, int quietMs, int maxMs = 3000) {
  const Clock::time_point start = Clock::now();
  Clock::time_point lastDrawing = start;
  while (probe::MillisecondsSince(start) < maxMs &&
         probe::MillisecondsSince(lastDrawing) < quietMs) {
    const auto event = display.Next(quietMs);
    if (event && display.Damaged(*event)) lastDrawing = Clock::now();
  }
}

void Type(Display& display, xcb_keycode_t code) {
  Fake(display, XCB_KEY_PRESS, code);
  Fake(display, XCB_KEY_RELEASE, code);
  Settle(display, 150);
}

// The rows in which two pictures of `area` differ, as a band of its width.
std::optional<Rect> ChangedRows(const Rect& area, const std::vector<uint8_t>& before,
                                const std::vector<uint8_t>& after) {
  if (before.size() != after.size() || before.empty()) return std::nullopt;
  const std::size_t stride = before.size() / area.height;
  int first = -1, last = -1;
  for (int row = 0; row < area.height; ++row)
    if (!std::equal(before.begin() + row * stride, before.begin() + (row + 1) * stride,
                    after.begin() + row * stride)) {
      if (first < 0) first = row;
      last = row;
    }
  if (first < 0) return std::nullopt;
  return Rect{area.x, area.y + first, area.width, last - first + 1};
}

// From the press to the first picture of `band` that differs from the one before it.
double TimeOneKey(Display& display, const Rect& band, xcb_keycode_t code) {
  const std::vector<uint8_t> before = Capture(display, band);
  while (display.Next(0)) {
  }
  const Clock::time_point start = Clock::now();
  Fake(display, XCB_KEY_PRESS, code);
  double latency = -1;
  while (latency < 0 && probe::MillisecondsSince(start) < 1000) {
    const auto event = display.Next(50);
    const auto damaged = event ? display.Damaged(*event) : std::nullopt;
    if (damaged && band.Overlaps(damaged->x, damaged->y, damaged->width, damaged->height) &&
        Capture(display, band) != before)
      latency = probe::MillisecondsSince(start);
  }
  Fake(display, XCB_KEY_RELEASE, code);
  Settle(display, 60, 1000);
  return latency;
}

long ResidentKiB(pid_t pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  for (std::string line; std::getline(status, line);)
    if (line.starts_with("VmRSS:")) return std::stol(line.substr(6));
  return -1;
}

struct Options {
  int rounds = 4;
  xcb_keysym_t clear = 0xff1b; // Escape
  char** program = nullptr;
};

Options Parse(int argc, char** argv) {
  Options options;
  int i = 1;
  for (; i + 1 < argc && argv[i][0] == '-'; i += 2) {
    if (std::string(argv[i]) == "-n") options.rounds = std::stoi(argv[i + 1]);
    if (std::string(argv[i]) == "-c") options.clear = std::stoul(argv[i + 1], nullptr, 0);
  }
  if (i < argc) options.program = argv + i;
  return options;
}

} // namespace

int main(int argc, char** argv) {
  const Options options = Parse(argc, argv);
  if (options.program == nullptr) {
    std::fprintf(stderr, "usage: key-latency [-n ROUNDS] [-c CLEAR_KEYSYM] PROGRAM [ARGS...]\n");
    return 2;
  }
  Display display;
  if (!display.Ready()) return 2;
  const pid_t pid = probe::Spawn(options.program);
  const auto painted = probe::WaitForFirstPaint(display, Clock::now());
  int status = 3;
  if (painted) {
    Settle(display, 400, 8000);
    xcb_set_input_focus(display.Connection(), XCB_INPUT_FOCUS_POINTER_ROOT, painted->window,
                        XCB_CURRENT_TIME);
    Settle(display, 200);
    const xcb_keycode_t clear = KeycodeOf(display, options.clear);
    const std::vector<uint8_t> initial = Capture(display, painted->area);
    for (const char digit : std::string(kDigits))
      Type(display, KeycodeOf(display, digit));
    const auto band = ChangedRows(painted->area, initial, Capture(display, painted->area));
    Type(display, clear);
    if (band) {
      const long residentBefore = ResidentKiB(pid);
      std::string latencies;
      for (int round = 0; round < options.rounds; ++round) {
        for (const char digit : std::string(kDigits))
          latencies += " " + std::to_string(TimeOneKey(display, *band, KeycodeOf(display, digit)));
        Type(display, clear);
      }
      std::printf("%ld %ld%s\n", residentBefore, ResidentKiB(pid), latencies.c_str());
      status = 0;
    }
  }
  kill(-pid, SIGTERM);
  waitpid(pid, nullptr, 0);
  return status;
}
