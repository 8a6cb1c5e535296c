#pragma once
// Fonts for the typefaces the forms name. Each font is drawn in the first
// installed family of: the typeface itself, then stand-ins that keep the
// forms' layout; so the real font wins wherever it is there:
//   "MS Sans Serif" -> DejaVu Sans (fonts-dejavu-core): bold at 11 px it has
//                      the forms' 13-pixel line and fits their displays;
//   "Tahoma"        -> Wine's own Tahoma (fonts-wine);
//   "Arial"         -> Liberation Sans (fonts-liberation2), metric twin of Arial;
// and DejaVu Sans last. Wine keeps its fonts outside fontconfig's folders, so
// the first font asked for registers its Tahoma with the application. Needs a
// QGuiApplication.
//
// Signs that the forms draw in "Symbol" (the multiplication sign at 0xB4, the
// division sign at 0xB8) are drawn as their Unicode characters (U+00D7,
// U+00F7) in one of these typefaces: a symbol-encoded font puts other glyphs
// at those codes.

#include <QFont>
#include <QStringList>

enum class TTypeface { MSSansSerif, Tahoma, Arial };

namespace look {

// The families looked for, in order:
//   MSSansSerif -> "MS Sans Serif", "DejaVu Sans"
//   Tahoma      -> "Tahoma", "DejaVu Sans"
//   Arial       -> "Arial", "Liberation Sans", "DejaVu Sans"
QStringList TypefaceFamilies(TTypeface typeface);

// The typeface at a character height in pixels (the em, as the forms give it:
// 11 px is 8 points at 96 dots per inch), whatever the screen's dpi.
//   TypefaceFont(TTypeface::Arial, 16, true) -> bold Liberation Sans, 16 px, here
QFont TypefaceFont(TTypeface typeface, int pixelHeight, bool bold);

// The number displays' font: bold "MS Sans Serif", 11 px.
QFont IndicatorFont();

} // namespace look
