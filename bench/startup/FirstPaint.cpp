// first-paint PROGRAM [ARGS...]
// Starts PROGRAM on the current X display and prints, as one line,
//   <milliseconds from exec to the first painted top-level window> <peak RSS in KiB>
// The first paint is the first DAMAGE report inside a newly mapped top-level
// window's area after it is mapped; the program is then given a moment to
// settle, ended, and its peak resident memory read from the kernel.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
  bool Overlaps(int ox, int oy, int ow, int oh) const {
    return ox < x + width && x < ox + ow && oy < y + height && y < oy + oh;
  }
};

pid_t Spawn(char** argv) {
  const pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);
    execvp(argv[0], argv);
    _exit(127);
  }
  return pid;
}

} // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: first-paint PROGRAM [ARGS...]\n");
    return 2;
  }
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  if (xcb_connection_has_error(connection)) return 2;
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  const xcb_query_extension_reply_t* damage = xcb_get_extension_data(connection, &xcb_damage_id);
  if (damage == nullptr || !damage->present) return 2;
  std::free(xcb_damage_query_version_reply(connection, xcb_damage_query_version(connection, 1, 1),
                                           nullptr));

  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
  const xcb_damage_damage_t rootDamage = xcb_generate_id(connection);
  xcb_damage_create(connection, rootDamage, screen->root, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
  xcb_flush(connection);

  const Clock::time_point start = Clock::now();
  const pid_t pid = Spawn(argv + 1);
  Rect mapped;
  bool haveWindow = false;
  double firstPaint = -1;
  while (firstPaint < 0) {
    std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_wait_for_event(connection),
                                                                     &std::free);
    if (!event) break;
    const uint8_t type = event->response_type & 0x7F;
    if (type == XCB_MAP_NOTIFY) {
      const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
      std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> geometry(
          xcb_get_geometry_reply(connection, xcb_get_geometry(connection, map->window), nullptr),
          &std::free);
      // Tiny windows (leaders, selection owners) are not the program's window.
      if (geometry && geometry->width > 40 && geometry->height > 40) {
        mapped = {geometry->x, geometry->y, geometry->width, geometry->height};
        haveWindow = true;
      }
    } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY && haveWindow) {
      const auto* notify = reinterpret_cast<xcb_damage_notify_event_t*>(event.get());
      if (mapped.Overlaps(notify->area.x, notify->area.y, notify->area.width, notify->area.height))
        firstPaint = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    }
  }
  usleep(300'000); // let it settle before reading its memory
  kill(-pid, SIGTERM);
  int status = 0;
  rusage usage{};
  wait4(pid, &status, 0, &usage);
  std::printf("%.1f %ld\n", firstPaint, usage.ru_maxrss);
  xcb_disconnect(connection);
  return firstPaint < 0 ? 1 : 0;
}
