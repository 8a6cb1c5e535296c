#include "platform/desktop/X11Clipboard.h"

#include "platform/desktop/X11Selection.h"
#include "platform/desktop/Xcb.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>

#include <xcb/xfixes.h>

#include <chrono>

namespace platform {

namespace {

using namespace std::chrono_literals;

// Without a word from the owner for this long, the read ends.
constexpr auto LongestSilence = 450ms;
// A text in increments that keeps arriving is read for this long at most.
constexpr auto LongestTransfer = 5s;

} // namespace

// The connection, what it knows of the selection's owner, and the read under way.
struct X11ClipboardReader::Connection {
  xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
  std::unique_ptr<SelectionAtoms> atoms;
  std::uint8_t ownerChanged = 0; // XFixes' selection-notify event type; 0 without XFixes
  xcb_window_t silentOwner = XCB_WINDOW_NONE; // did not answer; not asked again
  // Freed with the application object, which may go first.
  QPointer<QSocketNotifier> notifier;
  // The read under way: the loop it waits in, and the time the owner has
  // for its next step.
  SelectionTransfer* transfer = nullptr;
  QEventLoop* waiting = nullptr;
  QTimer* silence = nullptr;

  Connection() {
    if (xcb_connection_has_error(connection) != 0) return;
    atoms = std::make_unique<SelectionAtoms>(connection);
    WatchOwner();
    notifier = new QSocketNotifier(xcb_get_file_descriptor(connection), QSocketNotifier::Read,
                                   QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [this] { Drain(); });
  }
  ~Connection() {
    delete notifier;
    xcb_disconnect(connection);
  }

  // Asks XFixes to tell each change of the clipboard's owner.
  void WatchOwner() {
    const xcb_query_extension_reply_t* fixes = xcb_get_extension_data(connection, &xcb_xfixes_id);
    if (fixes == nullptr || fixes->present == 0) return;
    XcbReply<xcb_xfixes_query_version_reply_t> version(
        xcb_xfixes_query_version_reply(connection, xcb_xfixes_query_version(connection, 1, 0),
                                       nullptr),
        &std::free);
    if (!version) return;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_xfixes_select_selection_input(connection, root, atoms->clipboard,
                                      XCB_XFIXES_SELECTION_EVENT_MASK_SET_SELECTION_OWNER |
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_WINDOW_DESTROY |
                                          XCB_XFIXES_SELECTION_EVENT_MASK_SELECTION_CLIENT_CLOSE);
    xcb_flush(connection);
    ownerChanged = std::uint8_t(fixes->first_event + XCB_XFIXES_SELECTION_NOTIFY);
  }

  xcb_window_t Owner() {
    XcbReply<xcb_get_selection_owner_reply_t> reply(
        xcb_get_selection_owner_reply(
            connection, xcb_get_selection_owner(connection, atoms->clipboard), nullptr),
        &std::free);
    return reply ? reply->owner : xcb_window_t{XCB_WINDOW_NONE};
  }

  // Every event that has come: a new owner may be asked again, and the read
  // under way takes what is its own.
  void Drain() {
    while (auto* event = xcb_poll_for_event(connection)) {
      XcbReply<xcb_generic_event_t> owned(event, &std::free);
      if (ownerChanged != 0 && (event->response_type & 0x7F) == ownerChanged)
        silentOwner = XCB_WINDOW_NONE;
      if (transfer == nullptr || !transfer->Take(*event)) continue;
      silence->start(LongestSilence);
      if (transfer->Done()) waiting->quit();
    }
  }
};

X11ClipboardReader::X11ClipboardReader() : FConnection(std::make_unique<Connection>()) {}
X11ClipboardReader::~X11ClipboardReader() = default;

ClipboardContent X11ClipboardReader::Read() {
  Connection& c = *FConnection;
  if (!c.atoms || xcb_connection_has_error(c.connection) != 0 || c.transfer != nullptr) return {};
  c.Drain();
  const xcb_window_t owner = c.Owner();
  if (owner == XCB_WINDOW_NONE) return {};
  if (owner == c.silentOwner) return {std::nullopt, ClipboardRefusal::NotAnswering};
  SelectionTransfer transfer(c.connection, *c.atoms);
  QEventLoop waiting;
  QTimer silence;
  silence.setSingleShot(true);
  QObject::connect(&silence, &QTimer::timeout, &waiting, &QEventLoop::quit);
  QTimer::singleShot(LongestTransfer, &waiting, &QEventLoop::quit);
  c.transfer = &transfer;
  c.waiting = &waiting;
  c.silence = &silence;
  silence.start(LongestSilence);
  c.Drain();
  if (!transfer.Done()) waiting.exec(QEventLoop::ExcludeUserInputEvents);
  c.transfer = nullptr;
  if (transfer.Done()) return transfer.Result();
  c.silentOwner = owner;
  return {std::nullopt, ClipboardRefusal::NotAnswering};
}

} // namespace platform
