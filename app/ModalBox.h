#pragma once
// Every box the window opens (an error, the About box, the number dialog,
// Help > Keyboard, the settings notice) runs through ShowModal, so that the
// calculator window has the keyboard focus again after it, however the box
// was closed (Enter, Esc, the close box, a click): the digits typed next go
// to the calculator. Left to the window manager, the focus may stay nowhere
// until the user clicks the window.

class QDialog;

namespace app {

// Runs the box modally; its result. The box's owner window is then made the
// active window again, when it is on screen.
int ShowModal(QDialog& box);

} // namespace app
