#include "app/ModalBox.h"

#include <QDialog>
#include <QPointer>

int app::ShowModal(QDialog& box) {
  QPointer<QWidget> owner = box.parentWidget() != nullptr ? box.parentWidget()->window() : nullptr;
  const int result = box.exec();
  // A window in the tray, or minimised, stays where it is.
  if (owner && owner->isVisible() && !owner->isMinimized()) owner->activateWindow();
  return result;
}
