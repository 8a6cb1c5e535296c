#include "widgets/look/Fonts.h"

#include <QCoreApplication>
#include <QFile>
#include <QFontDatabase>
#include <QPointer>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>

namespace {

constexpr std::array AllTypefaces = {TTypeface::MSSansSerif, TTypeface::Tahoma, TTypeface::Arial};

// Where Debian's fonts-wine puts Wine's Tahoma. Its bold is hardly heavier
// than its regular at small sizes, which is why it stands in for Tahoma only;
// and as the menu bar, the one place Tahoma is drawn, draws it regular, the
// bold file is not registered.
constexpr const char* WineTahomaFile = "/usr/share/wine/fonts/tahoma.ttf";

// Whether fontconfig knows a family, among the installed fonts or those the
// program added. Read off its own font sets rather than asked of the
// toolkit's font database, which would read every installed font here and
// then, once a font is added, all of them again.
bool Installed(const QString& family) {
  const QByteArray wanted = family.toUtf8();
  const auto* name = reinterpret_cast<const FcChar8*>(wanted.constData());
  for (FcSetName set : {FcSetSystem, FcSetApplication}) {
    const FcFontSet* fonts = FcConfigGetFonts(nullptr, set);
    for (int font = 0; fonts != nullptr && font < fonts->nfont; ++font) {
      FcChar8* found = nullptr;
      for (int n = 0; FcPatternGetString(fonts->fonts[font], FC_FAMILY, n, &found) == FcResultMatch;
           ++n) {
        if (FcStrCmpIgnoreCase(found, name) == 0) return true;
      }
    }
  }
  return false;
}

// The family each typeface is drawn in: the first of its families that is
// installed, DejaVu Sans if none is. Only that one is asked for: a missing
// family asked for first costs the toolkit a search of every font for its
// stand-ins, and so does a family with others behind it, for glyphs it lacks;
// one alone has its stand-ins looked up only once a glyph is missing. Wine's
// Tahoma is added first where no Tahoma is installed, so a real one wins.
std::array<QString, AllTypefaces.size()> FamiliesToDraw() {
  const QString wineTahoma = QString::fromLatin1(WineTahomaFile);
  if (!Installed(QStringLiteral("Tahoma")) && QFile::exists(wineTahoma))
    QFontDatabase::addApplicationFont(wineTahoma);
  std::array<QString, AllTypefaces.size()> families;
  for (TTypeface typeface : AllTypefaces) {
    const QStringList asked = look::TypefaceFamilies(typeface);
    const auto there = std::find_if(asked.begin(), asked.end(), Installed);
    families[static_cast<std::size_t>(typeface)] = there != asked.end() ? *there : asked.back();
  }
  return families;
}

// Once per application object (its fonts go with it), at the first font
// asked for: before the toolkit first reads the installed fonts, so that it
// reads them once, with Wine's Tahoma among them.
const QString& FamilyToDraw(TTypeface typeface) {
  static QPointer<QCoreApplication> resolvedFor;
  static std::array<QString, AllTypefaces.size()> families;
  if (resolvedFor.isNull() || resolvedFor != QCoreApplication::instance()) {
    resolvedFor = QCoreApplication::instance();
    families = FamiliesToDraw();
  }
  return families[static_cast<std::size_t>(typeface)];
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
  QFont font;
  font.setFamily(FamilyToDraw(typeface));
  font.setPixelSize(pixelHeight);
  font.setBold(bold);
  return font;
}

QFont look::IndicatorFont() {
  return look::TypefaceFont(TTypeface::MSSansSerif, 11, true);
}
