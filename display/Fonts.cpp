#include "display/Fonts.h"

#include <QFile>
#include <QFontDatabase>

namespace {

// Where Debian's fonts-wine puts Wine's Tahoma. Its bold is hardly heavier
// than its regular at small sizes, which is why it stands in for Tahoma only.
constexpr const char* WineTahomaFiles[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                           "/usr/share/wine/fonts/tahomabd.ttf"};

void RegisterStandIns() {
  // Asking the database each time keeps this right when an application
  // object is replaced (its fonts go with it) and leaves a real Tahoma alone.
  if (QFontDatabase::hasFamily(QStringLiteral("Tahoma"))) return;
  for (const char* file : WineTahomaFiles) {
    if (QFile::exists(QString::fromLatin1(file)))
      QFontDatabase::addApplicationFont(QString::fromLatin1(file));
  }
}

} // namespace

QStringList TypefaceFamilies(TTypeface typeface) {
  switch (typeface) {
  case TTypeface::tfMSSansSerif: return {"MS Sans Serif", "DejaVu Sans"};
  case TTypeface::tfTahoma: return {"Tahoma", "DejaVu Sans"};
  case TTypeface::tfArial: return {"Arial", "Liberation Sans", "DejaVu Sans"};
  }
  return {"DejaVu Sans"};
}

QFont TypefaceFont(TTypeface typeface, int pixelHeight, bool bold) {
  RegisterStandIns();
  QFont font;
  font.setFamilies(TypefaceFamilies(typeface));
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  return font;
}

QFont IndicatorFont() {
  return TypefaceFont(TTypeface::tfMSSansSerif, 11, true);
}
