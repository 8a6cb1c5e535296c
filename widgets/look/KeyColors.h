#pragma once
// The colour groups of the program's keys (ui/ButtonColors.h) on the widget
// set's buttons, shared by the main window, the submit dialog and the widget
// gallery.

#include "ui/ButtonColors.h"
#include "widgets/DxButton.h"

namespace look {

// Sets every colour of the button to the group's set.
void ApplyKeyColors(TdxButton& button, TKeyGroup group);

} // namespace look
