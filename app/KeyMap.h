#pragma once
// The main window's key map: Windows virtual-key codes to the button whose
// click the key runs. Shift alone binds only "5" (percent) and "8"
// (multiply); every other modifier state, none included, uses the main
// table. Keys outside the tables do nothing: Backspace, the keypad
// separator, and the main keyboard's "=", "-" and "/" among them.
//
//   KeyAction(53, true)  -> caPerCent     KeyAction(53, false) -> ca5
//   KeyAction(110, false) -> caDecSep     KeyAction(8, false)  -> nothing

#include "engine/CalcTypes.h"

#include <optional>

std::optional<TCalcAction> KeyAction(int virtualKey, bool shiftAlone);
