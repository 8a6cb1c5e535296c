#pragma once
// How the program ends. A close of the main window hides it at once and
// stores the settings after, on the writer's thread (a slow disk delays only
// the process's end); when that save fails, the window comes back with the
// error, and the user may quit without saving or keep the window. Every
// other ending stores them as a close would, without asking: the signals of
// a logout, a shutdown or a closed terminal (SIGTERM, SIGHUP, SIGINT), the
// session manager's request to save, the loss of the display (the toolkit
// then exits the process), and the main window or the settings notice
// destroyed by another program. A SIGKILL loses only what changed since the
// last periodic save (SettingsSaver.h).

class QWidget;
class TSettingsSaver;

namespace Endings {

// Installs the handlers of the endings other than a close, for the
// program's main window and its saver.
void Install(QWidget& window, TSettingsSaver& saver);

// A window of the program's own (the settings notice) whose loss to another
// program ends the program as the main window's does. Nothing before Install.
void EndAlsoWith(QWidget& other);

// The close of the main window, which the window has accepted: it is
// hidden, and the program ends once the settings are stored.
void Close(QWidget& window, TSettingsSaver& saver);

} // namespace Endings
