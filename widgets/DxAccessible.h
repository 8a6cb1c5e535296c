#pragma once
// What assistive technology sees of the widget set: a TdxButton is a push
// button named by its caption (or by its accessible name, for a button that
// shows only a glyph) with a press action that clicks it, whose key
// bindings are the accelerator and the keys the window binds to the button
// (TdxButton::KeyNames); a TmxFlatPanel is a group named by its accessible
// name or its caption. The factory is installed by the first button or
// panel built, so every window that uses the widget set gets it.

#include <QString>

class QObject;

namespace widgets {

// A caption as it is read out: each "&" that marks an accelerator goes, "&&"
// becomes "&".
//   StripMnemonic("&Submit") -> "Submit"    StripMnemonic("Fish && &Chips") -> "Fish & Chips"
//   StripMnemonic("Help&") -> "Help"
QString StripMnemonic(const QString& caption);

// Tells assistive technology that the object's name and description (its
// caption) changed; free while none listens.
void TellTextChanged(QObject* object);

// Registers the widget set's accessible interfaces with the toolkit, once.
void InstallWidgetAccessibility();

} // namespace widgets
