#pragma once
// What the start-up probes share: a program started in a process group of
// its own on the current X display, and its first painted top-level window,
// watched through DAMAGE on the root window (every drawing anywhere is
// reported, as raw rectangles). Meant for a bare X server with no window
// manager, where the program's windows are the root's children.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdlib>
#include <memory>
#include <optional>
#include <poll.h>
#include <unistd.h>

namespace probe {

using Clock = std::chrono::steady_clock;

inline double MillisecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
  bool Overlaps(int ox, int oy, int ow, int oh) const {
    return ox < x + width && x < ox + ow && oy < y + height && y < oy + oh;
  }
};

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
template <typename T> Reply<T> Owned(T* reply) {
  return Reply<T>(reply, &std::free);
}

inline pid_t Spawn(char** argv) {
  const pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);
    execvp(argv[0], argv);
    _exit(127);
  }
  return pid;
}

// A connection that hears of every window mapped on the root and of every
// drawing.
class Display {
public:
  Display() : FConnection(xcb_connect(nullptr, nullptr)) {
    if (xcb_connection_has_error(FConnection)) return;
    FScreen = xcb_setup_roots_iterator(xcb_get_setup(FConnection)).data;
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(FConnection, &xcb_damage_id);
    if (damage == nullptr || !damage->present) return;
    FDamageNotify = damage->first_event + XCB_DAMAGE_NOTIFY;
    std::free(xcb_damage_query_version_reply(FConnection,
                                             xcb_damage_query_version(FConnection, 1, 1), nullptr));
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(FConnection, Root(), XCB_CW_EVENT_MASK, &mask);
    xcb_damage_create(FConnection, xcb_generate_id(FConnection), Root(),
                      XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    xcb_flush(FConnection);
    FReady = true;
  }
  ~Display() { xcb_disconnect(FConnection); }
  Display(const Display&) = delete;
  Display& operator=(const Display&) = delete;

  bool Ready() const { return FReady; }
  xcb_connection_t* Connection() const { return FConnection; }
  xcb_window_t Root() const { return FScreen->root; }

  // The next event, or none once `timeoutMs` passes without one.
  Reply<xcb_generic_event_t> Next(int timeoutMs) {
    if (xcb_generic_event_t* queued = xcb_poll_for_event(FConnection)) return Owned(queued);
    pollfd wait{xcb_get_file_descriptor(FConnection), POLLIN, 0};
    if (poll(&wait, 1, timeoutMs) <= 0) return Owned<xcb_generic_event_t>(nullptr);
    return Owned(xcb_poll_for_event(FConnection));
  }

  // The area a DAMAGE report covers, if the event is one.
  std::optional<Rect> Damaged(const xcb_generic_event_t& event) const {
    if ((event.response_type & 0x7F) != FDamageNotify) return std::nullopt;
    const auto& notify = reinterpret_cast<const xcb_damage_notify_event_t&>(event);
    return Rect{notify.area.x, notify.area.y, notify.area.width, notify.area.height};
  }

private:
  xcb_connection_t* FConnection;
  xcb_screen_t* FScreen = nullptr;
  uint8_t FDamageNotify = 0;
  bool FReady = false;
};

struct PaintedWindow {
  xcb_window_t window = 0;
  Rect area;
  double milliseconds = -1; // from `start` to the first drawing inside it
};

// Waits for the first drawing inside a newly mapped top-level window;
// nothing if the program closes the connection's events or `timeoutMs` runs out.
inline std::optional<PaintedWindow> WaitForFirstPaint(Display& display, Clock::time_point start,
                                                      int timeoutMs = 20000) {
  std::optional<PaintedWindow> mapped;
  while (MillisecondsSince(start) < timeoutMs) {
    const auto event = display.Next(200);
    if (!event) continue;
    if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
      const auto& map = reinterpret_cast<const xcb_map_notify_event_t&>(*event);
      const auto geometry = Owned(xcb_get_geometry_reply(
          display.Connection(), xcb_get_geometry(display.Connection(), map.window), nullptr));
      // Tiny windows (leaders, selection owners) are not the program's window.
      if (geometry && geometry->width > 40 && geometry->height > 40)
        mapped = PaintedWindow{map.window,
                               {geometry->x, geometry->y, geometry->width, geometry->height}};
    } else if (const auto damaged = display.Damaged(*event); damaged && mapped) {
      if (mapped->area.Overlaps(damaged->x, damaged->y, damaged->width, damaged->height)) {
        mapped->milliseconds = MillisecondsSince(start);
        return mapped;
      }
    }
  }
  return std::nullopt;
}

} // namespace probe
