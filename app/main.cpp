// Tallyon: the calculator window.

#include "app/UCalc.h"
#include "engine/NumberText.h"
#include "platform/Desktop.h"
#include "platform/Locale.h"
#include "tallyon/Product.h"

#include <QApplication>

int main(int argc, char** argv) {
  platform::PreferX11WhereReachable();
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Tallyon"));
  // Ties the windows to the installed launcher and its icon.
  QGuiApplication::setDesktopFileName(QString::fromLatin1(tallyon::AppId));
  // The window may live in the tray with no window on screen; closing the
  // main window ends the program.
  QApplication::setQuitOnLastWindowClosed(false);
  const platform::LocaleNumberFormat locale = platform::UserNumberFormat();
  SetCurrentSeparators(SeparatorsFrom(locale.decimalSeparator, locale.thousandsSeparator));
  TFCalc window;
  window.show();
  return application.exec();
}
