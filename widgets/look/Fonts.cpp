#include "widgets/look/Fonts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QPointer>

#include <fontconfig/fontconfig.h>

namespace {

// Where Debian's fonts-wine puts Wine's Tahoma. Its bold is hardly heavier
// than its regular at small sizes, which is why it stands in for Tahoma only.
constexpr const char* WineTahomaFiles[] = {"/usr/share/wine/fonts/tahoma.ttf",
                                           "/usr/share/wine/fonts/tahomabd.ttf"};

// Whether fontconfig knows a Tahoma of its own. Asked of fontconfig rather
// than of the toolkit's font database, which would read every installed font
// here and then, once a font is added, all of them again.
bool TahomaInstalled() {
  FcPattern* tahoma = FcNameParse(reinterpret_cast<const FcChar8*>("Tahoma"));
  FcObjectSet* files = FcObjectSetBuild(FC_FILE, nullptr);
  FcFontSet* found = FcFontList(nullptr, tahoma, files);
  const bool installed = found != nullptr && found->nfont > 0;
  if (found != nullptr) FcFontSetDestroy(found);
  FcObjectSetDestroy(files);
  FcPatternDestroy(tahoma);
  return installed;
}

// Once per application object (its fonts go with it), at the first font
// asked for: before the toolkit first reads the installed fonts, so that it
// reads them once, with Wine's Tahoma among them. A real Tahoma wins.
void RegisterStandIns() {
  static QPointer<QCoreApplication> registeredFor;
  if (registeredFor == QCoreApplication::instance()) return;
  registeredFor = QCoreApplication::instance();
  if (TahomaInstalled()) return;
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
  RegisterStandIns();
  QFont font;
  font.setFamilies(look::TypefaceFamilies(typeface));
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  return font;
}

QFont look::IndicatorFont() {
  return look::TypefaceFont(TTypeface::MSSansSerif, 11, true);
}
