#pragma once
// The two colour groups of the program's keys, shared by the main window and
// the submit dialog: red for commands, green for digits and functions.

#include "widgets/DxButton.h"

enum class TKeyGroup { Red, Green };

// Sets the face, focus ring and border colours of the group; the other
// colours keep their values at creation.
void ApplyKeyColors(TdxButton& button, TKeyGroup group);
