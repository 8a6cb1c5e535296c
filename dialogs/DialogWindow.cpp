#include "dialogs/DialogWindow.h"

#include "widgets/look/Fonts.h"

void SetUpFixedDialog(QDialog& dialog, const char* name, const QString& caption, QSize client) {
  dialog.setObjectName(name);
  dialog.setWindowTitle(caption);
  dialog.setFont(TypefaceFont(TTypeface::MSSansSerif, 11, false));
  dialog.setFixedSize(client);
}
