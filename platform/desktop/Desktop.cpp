#include "platform/desktop/Desktop.h"

#include "platform/desktop/X11Clipboard.h"
#include "platform/desktop/Xcb.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMimeData>
#include <QUrl>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

namespace platform {

namespace {

ClipboardContent ClipboardUtf8() {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  if (QGuiApplication::platformName() == QLatin1String("xcb") && !clipboard->ownsClipboard()) {
    static X11ClipboardReader reader;
    return reader.Read();
  }
  const QMimeData* data = clipboard->mimeData();
  if (data == nullptr || !data->hasText()) return {};
  return {data->text().toStdString()};
}

} // namespace

ClipboardContent ReadClipboardText() {
  ClipboardContent content = ClipboardUtf8();
  if (!content.text) return content;
  // Clipboard text is a NUL-terminated string: whatever follows a NUL is
  // not part of it; bytes that are not UTF-8 become U+FFFD.
  std::string& text = *content.text;
  text.resize(std::min(text.size(), text.find('\0')));
  text = QString::fromUtf8(text).toStdString();
  return content;
}

void WriteClipboardText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

void ShellOpen(const std::string& address) {
  QDesktopServices::openUrl(QUrl(QString::fromStdString(address)));
}

void PreferX11WhereReachable() {
  const char* chosen = std::getenv("QT_QPA_PLATFORM");
  const char* display = std::getenv("DISPLAY");
  // Wayland stays the fallback when the X server cannot be reached after all.
  if ((chosen == nullptr || *chosen == '\0') && display != nullptr && *display != '\0')
    ::setenv("QT_QPA_PLATFORM", "xcb;wayland", 1);
}

bool IsNativeWayland() {
  return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

namespace {

bool IsMapped(xcb_connection_t* connection, xcb_window_t window) {
  XcbReply<xcb_get_window_attributes_reply_t> reply(
      xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window),
                                      nullptr),
      &std::free);
  return reply && reply->map_state != XCB_MAP_STATE_UNMAPPED;
}

// A mapped window asks the window manager to change its state.
void RequestState(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t netWmState,
                  xcb_atom_t state, bool add) {
  xcb_client_message_event_t event{};
  event.response_type = XCB_CLIENT_MESSAGE;
  event.format = 32;
  event.window = window;
  event.type = netWmState;
  event.data.data32[0] = add ? 1 : 0;
  event.data.data32[1] = state;
  event.data.data32[3] = 1; // from a normal application
  const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
  xcb_send_event(connection, 0, root,
                 XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                 reinterpret_cast<const char*>(&event));
}

// An unmapped window carries the state in its property for the next map.
void WriteState(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t netWmState,
                xcb_atom_t state, bool add) {
  XcbReply<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(
          connection, xcb_get_property(connection, 0, window, netWmState, XCB_ATOM_ATOM, 0, 1024),
          nullptr),
      &std::free);
  std::vector<xcb_atom_t> atoms;
  if (reply && reply->format == 32) {
    const auto* first = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    atoms.assign(first, first + std::size_t(xcb_get_property_value_length(reply.get())) /
                                    sizeof(xcb_atom_t));
  }
  std::erase(atoms, state);
  if (add) atoms.push_back(state);
  xcb_change_property(connection, XCB_PROP_MODE_REPLACE, window, netWmState, XCB_ATOM_ATOM, 32,
                      static_cast<std::uint32_t>(atoms.size()), atoms.data());
}

// Adds or removes a _NET_WM_STATE atom of the window; false when not on X11.
bool SetWindowState(QWidget& window, const char* state, bool add) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
  if (connection == nullptr) return false;
  const auto id = static_cast<xcb_window_t>(window.winId());
  const xcb_atom_t netWmState = InternAtom(connection, "_NET_WM_STATE");
  const xcb_atom_t atom = InternAtom(connection, state);
  if (IsMapped(connection, id))
    RequestState(connection, id, netWmState, atom, add);
  else
    WriteState(connection, id, netWmState, atom, add);
  xcb_flush(connection);
  return true;
}

} // namespace

void SetStayOnTop(QWidget& window, bool onTop) {
  Qt::WindowFlags flags = window.windowFlags();
  flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
  QWindow* handle = window.windowHandle();
  if (handle == nullptr) {
    window.setWindowFlags(flags);
    return;
  }
  // Changing the widget's flags on a shown window would re-create it, and
  // so would the next show after a change of the window handle's flag on
  // X11: the new X window would lose its skip-taskbar state. So on X11 the
  // window asks the window manager itself, as for the taskbar button, and
  // the widget's flags only follow.
  if (!SetWindowState(window, "_NET_WM_STATE_ABOVE", onTop))
    handle->setFlag(Qt::WindowStaysOnTopHint, onTop);
  window.overrideWindowFlags(flags);
}

void SetTaskbarButton(QWidget& window, bool shown) {
  SetWindowState(window, "_NET_WM_STATE_SKIP_TASKBAR", !shown); // elsewhere: nothing to ask
}

} // namespace platform
