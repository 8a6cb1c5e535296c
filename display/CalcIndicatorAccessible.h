#pragma once
// What assistive technology sees of a TCVCalcIndicator: static text whose
// name and value are the display text as painted ("1,234,567.5"), so a
// screen reader reads the number the user sees; its description is the
// widget's accessible description, which owners set to say which display it
// is. The first indicator built installs the factory.

class QObject;

namespace display {

void InstallIndicatorAccessibility();

// Tells assistive technology that the display text changed; free while none
// listens.
void TellIndicatorChanged(QObject* indicator);

} // namespace display
