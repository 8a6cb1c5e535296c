#pragma once
// What the two dialogs share as windows: a fixed single border with the
// system menu and the close box only (no minimise or maximise box), a fixed
// client size and the forms' font, "MS Sans Serif" 8 points.

#include <QDialog>

namespace dialogs {

inline constexpr Qt::WindowFlags FixedDialogFlags = Qt::Dialog | Qt::CustomizeWindowHint |
                                                    Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                                    Qt::WindowCloseButtonHint;

// Names, captions and sizes a dialog made with FixedDialogFlags.
void SetUpFixedDialog(QDialog& dialog, const char* name, const QString& caption, QSize client);

} // namespace dialogs
