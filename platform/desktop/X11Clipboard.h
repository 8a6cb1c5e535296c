#pragma once
// The X11 CLIPBOARD selection, read on a connection of the program's own.
// The selection's owner is another program, and one that is stopped or busy
// never answers, while a large text comes in many pieces. The read waits in
// a loop that keeps the window painted and holds the user's input back for
// afterwards, so keys typed meanwhile still come after the paste:
// - nothing from the owner for 450 ms ends the read, and the owner is not
//   asked again until the clipboard changes hands (XFixes tells);
// - a text in increments is read to its end within 5 s, up to 16 MiB;
//   one that announces or reaches more is refused.

#include "platform/desktop/Desktop.h"

#include <memory>

namespace platform {

class X11ClipboardReader {
public:
  X11ClipboardReader(); // connects to the display $DISPLAY names
  ~X11ClipboardReader();
  X11ClipboardReader(const X11ClipboardReader&) = delete;
  X11ClipboardReader& operator=(const X11ClipboardReader&) = delete;

  // The selection's text as UTF-8, or why there is none.
  ClipboardContent Read();

private:
  struct Connection;
  std::unique_ptr<Connection> FConnection;
};

} // namespace platform
