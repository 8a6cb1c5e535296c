#pragma once
// The colour groups of the program's keys, shared by the main window, the
// submit dialog and the widget gallery: red for commands, green for digits and
// functions, and the submit dialog's blue-grey Help key.

#include "widgets/DxButton.h"

enum class TKeyGroup { Red, Green, Help };

namespace look {

// Sets the colours of the group; the other colours keep their values at
// creation.
void ApplyKeyColors(TdxButton& button, TKeyGroup group);

} // namespace look
