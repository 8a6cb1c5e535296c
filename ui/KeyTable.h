#pragma once
// The calculator window's keys in one table: which key press runs which
// engine action, angle unit or window command, grouped in the rows that the
// key help shows (Help > Keyboard, the README and the manual page are
// written from it, see ui/KeyHelp.h).
//
// A key press is matched
//  1. by the character it typed, on every layout and in every modifier state:
//     "=" is Equal and Shift+"=" on a US keyboard types "+", which adds;
//  2. else by its virtual-key code with exactly the modifiers a binding names
//     (Ctrl alone, Shift alone, Ctrl+Shift, none);
//  3. else, unless Shift alone is held, by its code in any other modifier
//     state (the Otherwise bindings: Enter, the digits, the keypad).
// The codes go by a key's place on a US keyboard, the letters by the letter
// the layout has there. Bindings of the functions panel count only while it
// shows. Keys with no binding do nothing.
//
//   FindKey(53, {.shift = true}, 0)       -> caPerCent   (Shift+5)
//   FindKey(53, {.shift = true}, U'5')    -> ca5         (a French Shift+5 types 5)
//   FindKey(187, {}, U'=')                -> caEqual
//   FindKey('P', {.shift = true, .ctrl = true}, 0) -> caMemMinus
//   FindKey('S', {.shift = true}, 0, true) -> caArcSin;  with the panel hidden -> nothing
//   FindKey(113, {}, 0, true)             -> amDeg       (F2)
//   FindKey('C', {.ctrl = true}, 0)       -> TMenuCommand::EditCopy

#include "engine/CalcTypes.h"
#include "ui/Commands.h"
#include "ui/KeyCodes.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace ui {

using TKeyTarget = std::variant<TCalcAction, TAngularMeasure, TMenuCommand>;

enum class TModifiers : std::uint8_t { None, Shift, Ctrl, CtrlShift, Otherwise };

struct TKeyBinding {
  int VirtualKey = 0;     // 0: matched by Character
  char32_t Character = 0; // an ASCII character
  TModifiers Modifiers = TModifiers::None;
  TKeyTarget Target;
};

enum class TKeySection : std::uint8_t { Keypad, Window, FunctionsPanel };

struct TKeyRow {
  TKeySection Section;
  std::span<const TKeyBinding> Bindings;
  const char* Does; // what the keys do, in the "TFCalc" translation context
  // How the keys read where their names would not say it well (the twenty
  // digit keys), or the toolkit's own keys that have no binding here.
  const char* Keys = nullptr;
};

extern const std::span<const TKeyRow> KeyRows;

std::optional<TKeyTarget> FindKey(int virtualKey, TKeyModifiers held, char32_t typed,
                                  bool functionsShown = false);

// A binding's key as the user reads it; empty for a key that types a
// character of its own binding (the keypad's, the main row's punctuation).
//   KeyName({.VirtualKey = 'P', .Modifiers = TModifiers::CtrlShift}) -> "Ctrl+Shift+P"
//   KeyName({.Character = '@'}) -> "@"     KeyName({.VirtualKey = vk::Numpad0}) -> ""
std::string KeyName(const TKeyBinding& binding);

// The names of the keys that run a target, each once: the named keys and
// letters first, then the characters; a digit key is known by the character
// it types, so Shift+5 is left to "%".
//   KeyNames(caEqual) -> {"Enter", "="}   KeyNames(caMemMinus) -> {"Ctrl+Shift+P"}
std::vector<std::string> KeyNames(TKeyTarget target);

} // namespace ui
