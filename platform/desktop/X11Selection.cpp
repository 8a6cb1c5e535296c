#include "platform/desktop/X11Selection.h"

#include "platform/desktop/Xcb.h"

#include <algorithm>
#include <utility>

namespace platform {

namespace {

std::string Latin1AsUtf8(const std::string& latin1) {
  std::string utf8;
  utf8.reserve(latin1.size());
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

} // namespace

SelectionAtoms::SelectionAtoms(xcb_connection_t* connection)
    : clipboard(InternAtom(connection, "CLIPBOARD")), targets(InternAtom(connection, "TARGETS")),
      increments(InternAtom(connection, "INCR")),
      property(InternAtom(connection, "TALLYON_SELECTION")),
      utf8(InternAtom(connection, "UTF8_STRING")),
      plainUtf8(InternAtom(connection, "text/plain;charset=utf-8")),
      compoundText(InternAtom(connection, "COMPOUND_TEXT")) {
  textTargets = {utf8, plainUtf8, XCB_ATOM_STRING, InternAtom(connection, "TEXT"),
                 InternAtom(connection, "text/plain")};
}

// STRING is Latin-1, and so is compound text until an escape switches it to
// another character set. Any other type (text/plain, the owner's answer to
// TEXT) is taken as UTF-8, as today's programs write it.
std::optional<std::string> SelectionTextAsUtf8(const std::string& bytes, xcb_atom_t type,
                                               const SelectionAtoms& atoms) {
  if (type == XCB_ATOM_STRING) return Latin1AsUtf8(bytes);
  if (type == atoms.compoundText) {
    if (bytes.find('\x1B') != std::string::npos) return std::nullopt;
    return Latin1AsUtf8(bytes);
  }
  return bytes;
}

SelectionTransfer::SelectionTransfer(xcb_connection_t* connection, const SelectionAtoms& atoms)
    : FConnection(connection), FAtoms(atoms), FWindow(xcb_generate_id(connection)) {
  const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
  const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
  xcb_create_window(connection, XCB_COPY_FROM_PARENT, FWindow, screen->root, 0, 0, 1, 1, 0,
                    XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK, &events);
  Ask(atoms.targets);
}

// The window goes with the read: an owner still sending increments then
// finds no one to send them to.
SelectionTransfer::~SelectionTransfer() {
  xcb_destroy_window(FConnection, FWindow);
  xcb_flush(FConnection);
}

void SelectionTransfer::Ask(xcb_atom_t target) {
  FTarget = target;
  xcb_convert_selection(FConnection, FWindow, FAtoms.clipboard, target, FAtoms.property,
                        XCB_CURRENT_TIME);
  xcb_flush(FConnection);
}

bool SelectionTransfer::Take(const xcb_generic_event_t& event) {
  if (FDone) return false;
  switch (event.response_type & 0x7F) {
  case XCB_SELECTION_NOTIFY: {
    const auto& notify = reinterpret_cast<const xcb_selection_notify_event_t&>(event);
    if (FIncrements || notify.requestor != FWindow || notify.target != FTarget) return false;
    if (notify.property == XCB_ATOM_NONE) {
      // Refused: an owner without TARGETS may still give the usual two.
      if (FTarget == FAtoms.targets) FCandidates = {FAtoms.utf8, XCB_ATOM_STRING};
      AskNextTarget();
    } else if (FTarget == FAtoms.targets) {
      TakeTargets();
    } else {
      TakeAnswer();
    }
    return true;
  }
  case XCB_PROPERTY_NOTIFY: {
    const auto& change = reinterpret_cast<const xcb_property_notify_event_t&>(event);
    if (!FIncrements || change.window != FWindow || change.atom != FAtoms.property ||
        change.state != XCB_PROPERTY_NEW_VALUE)
      return false;
    TakePiece();
    return true;
  }
  default: return false;
  }
}

// The text targets offered, in the order of preference.
void SelectionTransfer::TakeTargets() {
  const auto [bytes, type] = TakeProperty();
  const auto* offered = reinterpret_cast<const xcb_atom_t*>(bytes.data());
  const std::size_t count = bytes.size() / sizeof(xcb_atom_t);
  for (const xcb_atom_t target : FAtoms.textTargets)
    if (std::find(offered, offered + count, target) != offered + count)
      FCandidates.push_back(target);
  AskNextTarget();
}

void SelectionTransfer::AskNextTarget() {
  if (FCandidates.empty()) return Finish(std::nullopt, ClipboardRefusal::None);
  const xcb_atom_t next = FCandidates.front();
  FCandidates.erase(FCandidates.begin());
  Ask(next);
}

void SelectionTransfer::TakeAnswer() {
  auto [bytes, type] = TakeProperty();
  if (type != FAtoms.increments) {
    if (bytes.size() > Limit) return Finish(std::nullopt, ClipboardRefusal::TooLarge);
    return Finish(SelectionTextAsUtf8(bytes, type, FAtoms), ClipboardRefusal::None);
  }
  // The announced size is a lower bound: one beyond the limit is refused
  // before a byte of it comes.
  std::uint32_t announced = 0;
  if (bytes.size() >= sizeof announced)
    std::copy_n(bytes.data(), sizeof announced, reinterpret_cast<char*>(&announced));
  if (announced > Limit) return Finish(std::nullopt, ClipboardRefusal::TooLarge);
  FIncrements = true;
}

// Each new value of the property is the next piece; an empty one ends the text.
void SelectionTransfer::TakePiece() {
  auto [piece, type] = TakeProperty();
  if (piece.empty())
    return Finish(SelectionTextAsUtf8(FText, FType, FAtoms), ClipboardRefusal::None);
  FType = type;
  if (FText.size() + piece.size() > Limit) return Finish(std::nullopt, ClipboardRefusal::TooLarge);
  FText += piece;
}

void SelectionTransfer::Finish(std::optional<std::string> text, ClipboardRefusal refusal) {
  FDone = true;
  FResult = {std::move(text), refusal};
}

std::pair<std::string, xcb_atom_t> SelectionTransfer::TakeProperty() {
  XcbReply<xcb_get_property_reply_t> reply(
      xcb_get_property_reply(FConnection,
                             xcb_get_property(FConnection, 1, FWindow, FAtoms.property,
                                              XCB_GET_PROPERTY_TYPE_ANY, 0, UINT32_MAX / 4),
                             nullptr),
      &std::free);
  xcb_flush(FConnection);
  if (!reply) return {{}, XCB_ATOM_NONE};
  const auto* bytes = static_cast<const char*>(xcb_get_property_value(reply.get()));
  const int length = xcb_get_property_value_length(reply.get());
  return {std::string(bytes, std::size_t(std::max(length, 0))), reply->type};
}

} // namespace platform
