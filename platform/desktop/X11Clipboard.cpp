#include "platform/desktop/X11Clipboard.h"
#include "platform/desktop/Xcb.h"

#include <xcb/xcb.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>

namespace platform {

namespace {

using Clock = std::chrono::steady_clock;

// One paste: a connection, a window to receive the text, and the deadline.
class SelectionRequest {
public:
  explicit SelectionRequest(Clock::time_point deadline)
      : FConnection(xcb_connect(nullptr, nullptr)), FDeadline(deadline) {}
  ~SelectionRequest() { xcb_disconnect(FConnection); }
  SelectionRequest(const SelectionRequest&) = delete;
  SelectionRequest& operator=(const SelectionRequest&) = delete;

  std::optional<std::string> Text() {
    if (xcb_connection_has_error(FConnection) != 0) return std::nullopt;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(FConnection)).data;
    FWindow = xcb_generate_id(FConnection);
    const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(FConnection, XCB_COPY_FROM_PARENT, FWindow, screen->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);
    FProperty = Atom("TALLYON_SELECTION");
    FIncrement = Atom("INCR");
    for (const xcb_atom_t target : {Atom("UTF8_STRING"), xcb_atom_t{XCB_ATOM_STRING}}) {
      const std::optional<std::optional<std::string>> answer = Ask(target);
      if (!answer) return std::nullopt; // no answer in time
      if (*answer) return target == XCB_ATOM_STRING ? FromLatin1(**answer) : **answer;
    }
    return std::nullopt;
  }

private:
  xcb_atom_t Atom(const char* name) { return InternAtom(FConnection, name); }

  // The next event of the kind, or nullptr once the deadline has passed.
  XcbReply<xcb_generic_event_t> Next(std::uint8_t kind) {
    while (true) {
      while (auto* event = xcb_poll_for_event(FConnection)) {
        XcbReply<xcb_generic_event_t> owned(event, &std::free);
        if ((event->response_type & 0x7F) == kind) return owned;
      }
      const auto left =
          std::chrono::duration_cast<std::chrono::milliseconds>(FDeadline - Clock::now());
      if (left.count() <= 0 || xcb_connection_has_error(FConnection) != 0) break;
      pollfd ready{xcb_get_file_descriptor(FConnection), POLLIN, 0};
      if (::poll(&ready, 1, int(left.count()) + 1) < 0 && errno != EINTR) break;
    }
    return {nullptr, &std::free};
  }

  // The property's bytes and type, deleted from the window as they are read.
  std::pair<std::string, xcb_atom_t> TakeProperty() {
    XcbReply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(FConnection,
                               xcb_get_property(FConnection, 1, FWindow, FProperty,
                                                XCB_GET_PROPERTY_TYPE_ANY, 0, UINT32_MAX / 4),
                               nullptr),
        &std::free);
    if (!reply) return {{}, XCB_ATOM_NONE};
    const auto* bytes = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return {std::string(bytes, std::size_t(xcb_get_property_value_length(reply.get()))),
            reply->type};
  }

  // Outer nullopt: no answer in time; inner nullopt: the owner refused the target.
  std::optional<std::optional<std::string>> Ask(xcb_atom_t target) {
    xcb_convert_selection(FConnection, FWindow, Atom("CLIPBOARD"), target, FProperty,
                          XCB_CURRENT_TIME);
    xcb_flush(FConnection);
    const auto notify = Next(XCB_SELECTION_NOTIFY);
    if (!notify) return std::nullopt;
    if (reinterpret_cast<xcb_selection_notify_event_t*>(notify.get())->property == XCB_ATOM_NONE)
      return std::optional<std::string>();
    auto [text, type] = TakeProperty();
    if (type != FIncrement) return std::optional<std::string>(std::move(text));
    // In increments: each new value of the property is the next piece, and
    // an empty one ends the text.
    text.clear();
    xcb_flush(FConnection);
    while (const auto event = Next(XCB_PROPERTY_NOTIFY)) {
      const auto* change = reinterpret_cast<xcb_property_notify_event_t*>(event.get());
      if (change->atom != FProperty || change->state != XCB_PROPERTY_NEW_VALUE) continue;
      const auto piece = TakeProperty().first;
      xcb_flush(FConnection);
      if (piece.empty()) return std::optional<std::string>(std::move(text));
      text += piece;
    }
    return std::nullopt;
  }

  static std::string FromLatin1(const std::string& latin1) {
    std::string utf8;
    for (const char c : latin1) {
      const auto byte = static_cast<unsigned char>(c);
      if (byte < 0x80) {
        utf8 += c;
      } else {
        utf8 += char(0xC0 | byte >> 6);
        utf8 += char(0x80 | (byte & 0x3F));
      }
    }
    return utf8;
  }

  xcb_connection_t* FConnection;
  Clock::time_point FDeadline;
  xcb_window_t FWindow = 0;
  xcb_atom_t FProperty = XCB_ATOM_NONE;
  xcb_atom_t FIncrement = XCB_ATOM_NONE;
};

} // namespace

std::optional<std::string> ReadX11Clipboard(std::chrono::milliseconds timeout) {
  return SelectionRequest(Clock::now() + timeout).Text();
}

} // namespace platform
