#include "widgets/look/Fonts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QPointer>

namespace {

// Where Debian's fonts-wine puts Wine's Tahoma. Its bold is hardly heavier
// than its regular at small sizes, which is why it stands in for Tahoma only.
constexpr const char* WineTahomaFiles[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                           "/usr/share/wine/fonts/tahomabd.ttf"};

// Once per application object (its fonts go with it), and only for Tahoma.
void RegisterStandIns() {
  static QPointer<QCoreApplication> registeredFor;
  if (registeredFor == QCoreApplication::instance()) return;
  registeredFor = QCoreApplication::instance();
  // A real Tahoma wins. The family list is the database's own; hasFamily()
  // would run a costly fontconfig alias substitution.
  if (QFontDatabase::families().contains(QStringLiteral("Tahoma"))) return;
  for (const char* file : WineTahomaFiles) {
    if (QFile::exists(QString::fromLatin1(file)))
      QFontDatabase::addApplicationFont(QString::fromLatin1(file));
  }
}

} // namespace

QStringList look::TypefaceFamilies(TTypeface typeface) {
  switch (typeface) {
  case TTypeface::MSSansSerif: return {"MS Sans Serif", "DejaVu Sans"};
  case TTypeface::Tahoma: return {"Tahoma", "DejaVu Sans"};
  case TTypeface::Arial: return {"Arial", "Liberation Sans", "DejaVu Sans"};
  }
  return {"DejaVu Sans"};
}

QFont look::TypefaceFont(TTypeface typeface, int pixelHeight, bool bold) {
  if (typeface == TTypeface::Tahoma) RegisterStandIns();
  QFont font;
  font.setFamilies(look::TypefaceFamilies(typeface));
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  return font;
}

QFont look::IndicatorFont() {
  return look::TypefaceFont(TTypeface::MSSansSerif, 11, true);
}
