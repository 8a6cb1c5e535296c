#include "dialogs/DialogWindow.h"

#include "widgets/look/Fonts.h"

void dialogs::SetUpFixedDialog(QDialog& dialog, const char* name, const QString& caption,
                               QSize client) {
  dialog.setObjectName(name);
  dialog.setWindowTitle(caption);
  dialog.setFont(look::TypefaceFont(TTypeface::MSSansSerif, 11, false));
  dialog.setFixedSize(client);
}
