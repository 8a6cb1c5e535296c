#pragma once
// The main window's key map: Windows virtual-key codes to the button whose
// click the key runs. Shift alone binds "5" (percent), "8" (multiply) and
// "2" ("@", square root); Ctrl alone binds the memory keys (L clear, R
// recall, P add, Q subtract); every other modifier state, none included,
// uses the main table, which also has Backspace (BACK), F9 (+/-) and R
// (1/x). Keys outside the tables do nothing: the keypad separator, and the
// main keyboard's "=", "-" and "/" among them.
//
// While the functions panel shows, letters without Alt run its keys: the
// plain letter, Shift for the inverse, Ctrl for the hyperbolic function and
// Ctrl+Shift for its inverse (S sin, O cos, T tan, K cot; E sec, W cosec),
// and N ln, L lg, G log base y, X exp, B cube root, Q x², Y xʸ, P π; "#"
// (Shift+3) x³, "!" (Shift+1) n!, "^" (Shift+6) xʸ. F2, F3, F4 and F5 choose
// degrees, radians, grads and turns.
//
// The codes go by a key's position on a US keyboard, the letters by the
// letter the layout has there. Where the layout types another character
// (platform::LayoutCharacter), a digit, "." or "," (the decimal separator),
// "+ - * / %" and "@" (and "# ! ^" while the panel shows) do what the
// character says, in every modifier state; any other character leaves the
// code to decide. So a French Shift+"5" key enters 5 and its unshifted "("
// still enters 5.
//
//   KeyAction(53, {.shift = true})  -> caPerCent     KeyAction(53, {}) -> ca5
//   KeyAction(110, {}) -> caDecSep   KeyAction(8, {}) -> caBackSpace
//   KeyAction(53, {.shift = true}, U'5') -> ca5     KeyAction(51, {}, U'*') -> caMulty
//   KeyAction('L', {.ctrl = true}) -> caMemClear    KeyAction('S', {}) -> nothing
//   KeyAction('S', {.shift = true}, 0, true) -> caArcSin
//   KeyAngle(113, {}, true) -> amDeg                KeyAngle(113, {}, false) -> nothing

#include "engine/CalcTypes.h"
#include "platform/desktop/VirtualKeys.h"

#include <optional>

using TKeyModifiers = platform::KeyModifiers;

namespace app {

std::optional<TCalcAction> KeyAction(int virtualKey, TKeyModifiers held,
                                     char32_t layoutCharacter = 0, bool functionsShown = false);

std::optional<TAngularMeasure> KeyAngle(int virtualKey, TKeyModifiers held, bool functionsShown);

} // namespace app
