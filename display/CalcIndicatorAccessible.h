#pragma once
// What assistive technology sees of a TCVCalcIndicator: static text whose
// name, value and text (the text interface a screen reader reads and
// follows) are the display text as painted ("1,234,567.5"), so a screen
// reader reads the number the user sees; its description is the widget's
// accessible description, which owners set to say which display it is. Each
// new display text raises a text-changed event (a removal and an insertion
// of the whole text), which a screen reader speaks for the focused display.
// The first indicator built installs the factory.

#include <string>

class QObject;

namespace display {

void InstallIndicatorAccessibility();

// Tells assistive technology that the display text changed from `before`;
// free while none listens.
void TellIndicatorChanged(QObject* indicator, const std::string& before);

} // namespace display
