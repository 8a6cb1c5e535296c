#pragma once
// The main window's key map: Windows virtual-key codes to the button whose
// click the key runs. Shift alone binds only "5" (percent) and "8"
// (multiply); every other modifier state, none included, uses the main
// table. Keys outside the tables do nothing: Backspace, the keypad
// separator, and the main keyboard's "=", "-" and "/" among them.
//
// The codes go by a key's position on a US keyboard. Where the layout types
// another character there (platform::LayoutCharacter), a digit, "." or ","
// (the decimal separator) and "+ - * / %" do what the character says, in
// every modifier state; any other character leaves the code to decide. So a
// French Shift+"5" key enters 5 and its unshifted "(" still enters 5.
//
//   KeyAction(53, true)  -> caPerCent     KeyAction(53, false) -> ca5
//   KeyAction(110, false) -> caDecSep     KeyAction(8, false)  -> nothing
//   KeyAction(53, true, U'5') -> ca5      KeyAction(51, false, U'*') -> caMulty
//   KeyAction(53, false, U'(') -> ca5

#include "engine/CalcTypes.h"

#include <optional>

std::optional<TCalcAction> KeyAction(int virtualKey, bool shiftAlone, char32_t layoutCharacter = 0);
