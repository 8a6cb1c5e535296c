#include "ui/KeyTable.h"

#include "ui/Text.h"

#include <algorithm>
#include <array>

namespace {

using namespace ui;
using enum TMenuCommand;
using enum TModifiers;

constexpr TKeyBinding Char(char32_t character, TKeyTarget target) {
  return {0, character, Otherwise, target};
}

constexpr TKeyBinding Key(int virtualKey, TKeyTarget target, TModifiers modifiers = None) {
  return {virtualKey, 0, modifiers, target};
}

constexpr TKeyBinding Any(int virtualKey, TKeyTarget target) {
  return Key(virtualKey, target, Otherwise);
}

// clang-format off
constexpr TKeyBinding Digits[] = {
    Char('0', ca0), Char('1', ca1), Char('2', ca2), Char('3', ca3), Char('4', ca4),
    Char('5', ca5), Char('6', ca6), Char('7', ca7), Char('8', ca8), Char('9', ca9),
    Any(vk::Digit0, ca0), Any(vk::Digit0 + 1, ca1), Any(vk::Digit0 + 2, ca2),
    Any(vk::Digit0 + 3, ca3), Any(vk::Digit0 + 4, ca4), Any(vk::Digit0 + 5, ca5),
    Any(vk::Digit0 + 6, ca6), Any(vk::Digit0 + 7, ca7), Any(vk::Digit0 + 8, ca8),
    Any(vk::Digit0 + 9, ca9),
    Any(vk::Numpad0, ca0), Any(vk::Numpad0 + 1, ca1), Any(vk::Numpad0 + 2, ca2),
    Any(vk::Numpad0 + 3, ca3), Any(vk::Numpad0 + 4, ca4), Any(vk::Numpad0 + 5, ca5),
    Any(vk::Numpad0 + 6, ca6), Any(vk::Numpad0 + 7, ca7), Any(vk::Numpad0 + 8, ca8),
    Any(vk::Numpad0 + 9, ca9),
};
// clang-format on

constexpr TKeyBinding Separators[] = {
    Char('.', caDecSep),         Char(',', caDecSep),          Any(vk::Decimal, caDecSep),
    Any(vk::OemComma, caDecSep), Any(vk::OemPeriod, caDecSep),
};

constexpr TKeyBinding Operations[] = {
    Char('+', caPlus),         Char('-', caMinus),         Char('*', caMulty),
    Char('/', caDivide),       Char('=', caEqual),         Char('%', caPerCent),
    Any(vk::Add, caPlus),      Any(vk::Subtract, caMinus), Any(vk::Multiply, caMulty),
    Any(vk::Divide, caDivide),
};

// Shift with 5 and 8 as on a US keyboard, also where the layout types
// other characters there.
constexpr TKeyBinding ShiftedDigits[] = {
    Key(vk::Digit0 + 5, caPerCent, Shift),
    Key(vk::Digit0 + 8, caMulty, Shift),
};

constexpr TKeyBinding Clearing[] = {
    Any(vk::Return, caEqual),
    Any(vk::Escape, caClearEntr),
    Any(vk::Delete, caClear),
};

// Those of the calculator shipped with Windows.
constexpr TKeyBinding Editing[] = {
    Any(vk::Back, caBackSpace), Any(vk::F1 + 8, caSignChange),      Any('R', caInverse),
    Char('@', caSqrt),          Key(vk::Digit0 + 2, caSqrt, Shift),
};

// The memory keys as the calculator shipped with Windows binds them, but
// for M-: its Ctrl+Q quits on Linux desktops, so M- is Ctrl+Shift+P, beside
// M+ and claimed by neither GNOME's nor KDE's standard shortcuts.
constexpr TKeyBinding Memory[] = {
    Key('L', caMemClear, Ctrl),
    Key('R', caMemRecall, Ctrl),
    Key('P', caMemPlus, Ctrl),
};
constexpr TKeyBinding MemoryMinus[] = {Key('P', caMemMinus, CtrlShift)};

constexpr TKeyBinding Copy[] = {Key(vk::Insert, EditCopy, Ctrl), Key('C', EditCopy, Ctrl)};
constexpr TKeyBinding Paste[] = {Key(vk::Insert, EditPaste, Shift), Key('V', EditPaste, Ctrl)};
constexpr TKeyBinding Quit[] = {Key('Q', FileExit, Ctrl)};
constexpr TKeyBinding Tape[] = {Key(vk::F1 + 5, ViewMoveToTape)};

// The functions panel's letters: the plain letter, Shift for the inverse,
// Ctrl for the hyperbolic function and Ctrl+Shift for its inverse.
constexpr TKeyBinding Trigonometric[] = {Key('S', caSin), Key('O', caCos), Key('T', caTg),
                                         Key('K', caCtg)};
constexpr TKeyBinding Inverse[] = {Key('S', caArcSin, Shift), Key('O', caArcCos, Shift),
                                   Key('T', caArcTg, Shift), Key('K', caArcCtg, Shift)};
constexpr TKeyBinding Hyperbolic[] = {Key('S', caSh, Ctrl), Key('O', caCh, Ctrl),
                                      Key('T', caTh, Ctrl), Key('K', caCth, Ctrl)};
constexpr TKeyBinding InverseHyperbolic[] = {
    Key('S', caArSh, CtrlShift), Key('O', caArCh, CtrlShift), Key('T', caArTh, CtrlShift),
    Key('K', caArCth, CtrlShift)};
constexpr TKeyBinding Secants[] = {Key('E', caSec), Key('W', caCosec), Key('E', caSech, Ctrl),
                                   Key('W', caCosech, Ctrl)};
constexpr TKeyBinding Logarithms[] = {Key('N', caLn), Key('L', caLg), Key('G', caLog)};
constexpr TKeyBinding Powers[] = {Key('X', caExp), Key('B', ca3root), Key('Q', caSqr)};
constexpr TKeyBinding Cube[] = {Char('#', caX3), Key(vk::Digit0 + 3, caX3, Shift)};
constexpr TKeyBinding Power[] = {Key('Y', caXY), Char('^', caXY), Key(vk::Digit0 + 6, caXY, Shift)};
constexpr TKeyBinding Factorial[] = {Char('!', caFactorial),
                                     Key(vk::Digit0 + 1, caFactorial, Shift)};
constexpr TKeyBinding Pi[] = {Key('P', caPI)};
// F2 degrees, F3 radians, F4 grads as in the calculator shipped with
// Windows; F5 turns.
constexpr TKeyBinding Angles[] = {Key(vk::F1 + 1, amDeg), Key(vk::F1 + 2, amRad),
                                  Key(vk::F1 + 3, amGrad), Key(vk::F1 + 4, amCycle)};

using enum TKeySection;

// clang-format off
constexpr TKeyRow Rows[] = {
    {Keypad, Digits, TALLYON_TEXT("TFCalc", "the digits"), TALLYON_TEXT("TFCalc", "0-9 (main row or keypad)")},
    {Keypad, Separators, TALLYON_TEXT("TFCalc", "the decimal separator (the locale's is inserted)"), ". ,"},
    {Keypad, Operations, TALLYON_TEXT("TFCalc", "the operations, main row or keypad")},
    {Keypad, ShiftedDigits, TALLYON_TEXT("TFCalc", "%, *")},
    {Keypad, Clearing, TALLYON_TEXT("TFCalc", "=, CE, C (Enter is = also on a focused key)")},
    {Keypad, Editing, TALLYON_TEXT("TFCalc", "BACK, +/-, 1/x, square root")},
    {Keypad, Memory, TALLYON_TEXT("TFCalc", "MC, MR, M+")},
    {Keypad, MemoryMinus, TALLYON_TEXT("TFCalc", "M-")},
    {Window, Copy, TALLYON_TEXT("TFCalc", "copy the value")},
    {Window, Paste, TALLYON_TEXT("TFCalc", "paste a number")},
    {Window, Quit, TALLYON_TEXT("TFCalc", "quit")},
    {Window, Tape, TALLYON_TEXT("TFCalc", "into the tape and back; in it, Enter uses an entry's "
                                          "result, Ctrl+C copies, Delete removes")},
    {Window, {}, TALLYON_TEXT("TFCalc", "move between the keys; space clicks one"),
     TALLYON_TEXT("TFCalc", "Tab, Shift+Tab, arrows")},
    {FunctionsPanel, Trigonometric, TALLYON_TEXT("TFCalc", "sin, cos, tan, cot")},
    {FunctionsPanel, Inverse, TALLYON_TEXT("TFCalc", "arcsin, arccos, arctan, arccot")},
    {FunctionsPanel, Hyperbolic, TALLYON_TEXT("TFCalc", "sinh, cosh, tanh, coth")},
    {FunctionsPanel, InverseHyperbolic, TALLYON_TEXT("TFCalc", "arsinh, arcosh, artanh, arcoth")},
    {FunctionsPanel, Secants, TALLYON_TEXT("TFCalc", "sec, cosec, sech, cosech")},
    {FunctionsPanel, Logarithms, TALLYON_TEXT("TFCalc", "ln, lg, log to the base y (x G y =)")},
    {FunctionsPanel, Powers, TALLYON_TEXT("TFCalc", "e\u02E3, \u221Bx, x\u00B2")},
    {FunctionsPanel, Cube, TALLYON_TEXT("TFCalc", "x\u00B3")},
    {FunctionsPanel, Power, TALLYON_TEXT("TFCalc", "x\u02B8")},
    {FunctionsPanel, Factorial, TALLYON_TEXT("TFCalc", "n!")},
    {FunctionsPanel, Pi, TALLYON_TEXT("TFCalc", "\u03C0")},
    {FunctionsPanel, Angles, TALLYON_TEXT("TFCalc", "degrees, radians, grads, turns")},
};
// clang-format on

bool Holds(TModifiers modifiers, TKeyModifiers held) {
  switch (modifiers) {
  case None: return !held.shift && !held.ctrl && !held.alt;
  case Shift: return held.shift && !held.ctrl && !held.alt;
  case Ctrl: return !held.shift && held.ctrl && !held.alt;
  case CtrlShift: return held.shift && held.ctrl && !held.alt;
  case Otherwise: return !(held.shift && !held.ctrl && !held.alt);
  }
  return false;
}

// The first binding of the shown rows that `matches`.
template <typename Match> std::optional<TKeyTarget> First(bool functionsShown, Match matches) {
  for (const TKeyRow& row : Rows) {
    if (row.Section == FunctionsPanel && !functionsShown) continue;
    for (const TKeyBinding& binding : row.Bindings)
      if (matches(binding)) return binding.Target;
  }
  return std::nullopt;
}

constexpr std::pair<int, const char*> NamedKeys[] = {
    {vk::Return, "Enter"},  {vk::Escape, "Esc"}, {vk::Delete, "Delete"}, {vk::Back, "Backspace"},
    {vk::Insert, "Insert"}, {vk::Tab, "Tab"},    {vk::Space, "Space"},
};

std::string VirtualKeyName(int virtualKey) {
  const bool letter = virtualKey >= 'A' && virtualKey <= 'Z';
  const bool digit = virtualKey >= vk::Digit0 && virtualKey <= vk::Digit0 + 9;
  if (letter || digit) return std::string(1, static_cast<char>(virtualKey));
  if (virtualKey >= vk::F1 && virtualKey < vk::F1 + 24)
    return "F" + std::to_string(virtualKey - vk::F1 + 1);
  for (const auto& [key, name] : NamedKeys)
    if (key == virtualKey) return name;
  return {};
}

std::string ModifierPrefix(TModifiers modifiers) {
  switch (modifiers) {
  case Shift: return "Shift+";
  case Ctrl: return "Ctrl+";
  case CtrlShift: return "Ctrl+Shift+";
  case None:
  case Otherwise: break;
  }
  return {};
}

} // namespace

const std::span<const TKeyRow> ui::KeyRows = Rows;

std::optional<TKeyTarget> ui::FindKey(int virtualKey, TKeyModifiers held, char32_t typed,
                                      bool functionsShown) {
  if (typed != 0) {
    const auto byCharacter = First(functionsShown, [typed](const TKeyBinding& binding) {
      return binding.VirtualKey == 0 && binding.Character == typed;
    });
    if (byCharacter) return byCharacter;
  }
  if (virtualKey == 0) return std::nullopt; // a key known by no code
  const auto exactly = First(functionsShown, [&](const TKeyBinding& binding) {
    return binding.VirtualKey == virtualKey && binding.Modifiers != Otherwise &&
           Holds(binding.Modifiers, held);
  });
  if (exactly) return exactly;
  return First(functionsShown, [&](const TKeyBinding& binding) {
    return binding.VirtualKey == virtualKey && binding.Modifiers == Otherwise &&
           Holds(Otherwise, held);
  });
}

std::string ui::KeyName(const TKeyBinding& binding) {
  if (binding.VirtualKey == 0) return std::string(1, static_cast<char>(binding.Character));
  const std::string name = VirtualKeyName(binding.VirtualKey);
  return name.empty() ? name : ModifierPrefix(binding.Modifiers) + name;
}

std::vector<std::string> ui::KeyNames(TKeyTarget target) {
  std::vector<std::string> names;
  const auto add = [&](bool byCharacter) {
    for (const TKeyRow& row : Rows)
      for (const TKeyBinding& binding : row.Bindings) {
        const bool digitKey =
            binding.VirtualKey >= vk::Digit0 && binding.VirtualKey <= vk::Digit0 + 9;
        if (binding.Target != target || (binding.VirtualKey == 0) != byCharacter || digitKey)
          continue;
        const std::string name = KeyName(binding);
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
          names.push_back(name);
      }
  };
  add(false);
  add(true);
  return names;
}
