#pragma once
// The main window's key map: the character a key typed, or else its Windows
// virtual-key code, to the button whose click the key runs.
//
// A key whose character is a digit, "." or "," (the decimal separator),
// "+ - * / = %" or "@" (and "# ! ^" while the panel shows) does what the
// character says, on the main row and the keypad, on every layout and in
// every modifier state: "=" is Equal and Shift+"=" on a US keyboard types
// "+". Otherwise the code decides. Shift alone binds "5" (percent), "8"
// (multiply) and "2" (square root); Ctrl alone binds the memory keys L
// (clear), R (recall) and P (add), Ctrl+Shift+P subtracts from the memory;
// every other modifier state, none included, uses the main table: Enter
// (=), Esc (CE), Delete (C), the digits, the keypad's operations,
// Backspace (BACK), F9 (+/-) and R (1/x). Other keys do nothing, the keypad
// separator key among them.
//
// While the functions panel shows, letters without Alt run its keys: the
// plain letter, Shift for the inverse, Ctrl for the hyperbolic function and
// Ctrl+Shift for its inverse (S sin, O cos, T tan, K cot; E sec, W cosec),
// and N ln, L lg, G log base y, X exp, B cube root, Q x², Y xʸ, P π; "#"
// (Shift+3) x³, "!" (Shift+1) n!, "^" (Shift+6) xʸ. F2, F3, F4 and F5 choose
// degrees, radians, grads and turns.
//
// The codes go by a key's position on a US keyboard, the letters by the
// letter the layout has there. So a French Shift+"5" key enters 5, and its
// unshifted "(" still enters 5.
//
//   KeyAction(53, {.shift = true})  -> caPerCent     KeyAction(53, {}) -> ca5
//   KeyAction(110, {}) -> caDecSep   KeyAction(8, {}) -> caBackSpace
//   KeyAction(53, {.shift = true}, U'5') -> ca5     KeyAction(51, {}, U'*') -> caMulty
//   KeyAction(187, {}, U'=') -> caEqual  KeyAction('P', {.shift = true, .ctrl = true}) ->
//   caMemMinus KeyAction('L', {.ctrl = true}) -> caMemClear    KeyAction('S', {}) -> nothing
//   KeyAction('S', {.shift = true}, 0, true) -> caArcSin
//   KeyAngle(113, {}, true) -> amDeg                KeyAngle(113, {}, false) -> nothing

#include "engine/CalcTypes.h"
#include "platform/desktop/VirtualKeys.h"

#include <optional>
#include <string>
#include <vector>

using TKeyModifiers = platform::KeyModifiers;

namespace app {

std::optional<TCalcAction> KeyAction(int virtualKey, TKeyModifiers held,
                                     char32_t typedCharacter = 0, bool functionsShown = false);

// The keys that run an action, as the user reads them: named keys and
// letters first, then the characters; a key known only by its code is left
// out. The functions panel's keys count as when it shows.
//   KeyNames(caEqual) -> {"Enter", "="}      KeyNames(caMemMinus) -> {"Ctrl+Shift+P"}
//   KeyNames(caDecSep) -> {".", ","}         KeyNames(caArcSin) -> {"Shift+S"}
std::vector<std::string> KeyNames(TCalcAction action);

std::optional<TAngularMeasure> KeyAngle(int virtualKey, TKeyModifiers held, bool functionsShown);

} // namespace app
