#pragma once
// The desktop services the main window needs, under their Windows roles:
// the clipboard's text, the shell's "open" verb, and the window's presence
// (topmost band, taskbar button). On X11 the taskbar button is the window
// manager's skip-taskbar state; elsewhere these fall back to what Qt offers.

#include <optional>
#include <string>

class QWidget;

namespace platform {

// Why the clipboard's text was not taken.
enum class ClipboardRefusal {
  None,         // taken, or the clipboard offers no text
  NotAnswering, // the program holding it did not deliver the text in time
  TooLarge,     // the text is longer than 16 MiB
};
struct ClipboardContent {
  std::optional<std::string> text;
  ClipboardRefusal refusal = ClipboardRefusal::None;
};

// The clipboard's text up to its first NUL (as CF_TEXT holds it), or nothing
// when it offers none. Bytes that are not UTF-8 arrive as U+FFFD. Over X11
// another program's text is waited for without freezing the window, as
// X11Clipboard.h says.
ClipboardContent ReadClipboardText();
void WriteClipboardText(const std::string& text);

// Opens a web or mail address with the desktop's handler; the result is ignored.
void ShellOpen(const std::string& address);

// Stay on top and a window without a taskbar button are X11 requests, which
// XWayland honours too; a native Wayland client has no such request. So
// where an X server is reachable the program runs through it, unless the
// user chose a platform (QT_QPA_PLATFORM). Called before the application
// object exists.
void PreferX11WhereReachable();
// Whether the window runs as a native Wayland client, where the window
// cannot ask for stay on top, for its taskbar button to go, nor to be
// brought back from the minimised state.
bool IsNativeWayland();

// Puts the window into or out of the stay-on-top band, shown or not.
void SetStayOnTop(QWidget& window, bool onTop);
// Shows or hides the window's taskbar button without touching the window.
void SetTaskbarButton(QWidget& window, bool shown);

} // namespace platform
