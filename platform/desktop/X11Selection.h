#pragma once
// One read of the X11 CLIPBOARD selection as the owner's events arrive: ask
// which targets it offers, ask for the best text target among them, and take
// the text whole or in increments (INCR). It waits for nothing itself; the
// caller hands it the events of its connection and keeps the time.
//
//   offers UTF8_STRING, STRING        -> asks UTF8_STRING, the bytes as they are
//   offers only TEXT, answers STRING  -> asks TEXT, Latin-1 made UTF-8
//   answers no TARGETS                -> asks UTF8_STRING, then STRING
//   announces 100 MB in increments    -> TooLarge at once, nothing read

#include "platform/desktop/Desktop.h"

#include <xcb/xcb.h>

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The atoms a selection read uses, interned once per connection.
struct SelectionAtoms {
  explicit SelectionAtoms(xcb_connection_t* connection);
  xcb_atom_t clipboard, targets, increments, property;
  // The text targets, best first, and the one type they may answer with besides.
  std::vector<xcb_atom_t> textTargets;
  xcb_atom_t utf8, plainUtf8, compoundText;
};

// The selection's bytes of the given type as UTF-8, or nothing for a text
// this program cannot read (compound text that switches character sets).
std::optional<std::string> SelectionTextAsUtf8(const std::string& bytes, xcb_atom_t type,
                                               const SelectionAtoms& atoms);

class SelectionTransfer {
public:
  // The longest text taken; a longer one is refused unread.
  static constexpr std::size_t Limit = std::size_t{16} << 20;

  // Starts the read into a window of its own on the connection.
  SelectionTransfer(xcb_connection_t* connection, const SelectionAtoms& atoms);
  ~SelectionTransfer();
  SelectionTransfer(const SelectionTransfer&) = delete;
  SelectionTransfer& operator=(const SelectionTransfer&) = delete;

  // Takes one event of the connection; true when it moved the read on.
  bool Take(const xcb_generic_event_t& event);
  bool Done() const { return FDone; }
  const ClipboardContent& Result() const { return FResult; }

private:
  void Ask(xcb_atom_t target);
  void TakeTargets();
  void TakeAnswer();
  void TakePiece();
  void AskNextTarget();
  void Finish(std::optional<std::string> text, ClipboardRefusal refusal);
  // The property's bytes and type, deleted as they are read, which tells
  // the owner to send the next piece of a text in increments.
  std::pair<std::string, xcb_atom_t> TakeProperty();

  xcb_connection_t* FConnection;
  const SelectionAtoms& FAtoms;
  xcb_window_t FWindow;
  std::vector<xcb_atom_t> FCandidates; // the targets still to ask, best first
  xcb_atom_t FTarget = XCB_ATOM_NONE;  // asked now; TARGETS first
  bool FIncrements = false;
  xcb_atom_t FType = XCB_ATOM_NONE; // the type of the pieces
  std::string FText;
  bool FDone = false;
  ClipboardContent FResult;
};

} // namespace platform
