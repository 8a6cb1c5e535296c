#pragma once
// How the program ends. A close of the main window saves the settings and,
// when the save fails, lets the user keep the window or quit without saving.
// Every other ending stores them as a close would, without asking: the
// signals of a logout, a shutdown or a closed terminal (SIGTERM, SIGHUP,
// SIGINT), the session manager's request to save, the loss of the display
// (the toolkit then exits the process) and the main window destroyed by
// another program. A SIGKILL stores nothing.

class QWidget;

namespace Endings {

// Installs the handlers of the endings other than a close, for the
// program's main window.
void Install(QWidget& window);

// The save of a close: true when the settings are stored or the user chose
// to quit without them; no later ending stores them again. False when the
// user keeps the window open.
bool SaveForClose(QWidget& window);

} // namespace Endings
