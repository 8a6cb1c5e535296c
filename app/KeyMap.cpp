#include "app/KeyMap.h"

#include "platform/desktop/VirtualKeys.h"

#include <span>
#include <string>
#include <utility>
#include <vector>

namespace {

using Binding = std::pair<int, TCalcAction>;

using namespace platform::vk;

constexpr Binding ShiftBindings[] = {
    {Digit0 + 5, caPerCent}, // Shift+5 on the main keyboard
    {Digit0 + 8, caMulty},   // Shift+8 on the main keyboard
    {Digit0 + 2, caSqrt},    // "@" on a US keyboard
};

// The memory keys as the calculator shipped with Windows binds them, but
// for M-: its Ctrl+Q quits on Linux desktops, so M- is Ctrl+Shift+P, beside
// M+ and claimed by neither GNOME's nor KDE's standard shortcuts.
constexpr Binding CtrlBindings[] = {
    {'L', caMemClear},
    {'R', caMemRecall},
    {'P', caMemPlus},
};

constexpr Binding CtrlShiftBindings[] = {
    {'P', caMemMinus},
};

// clang-format off
constexpr Binding Bindings[] = {
    {Return, caEqual},       {Escape, caClearEntr},   {Delete, caClear},
    {Digit0, ca0},           {Digit0 + 1, ca1},       {Digit0 + 2, ca2},
    {Digit0 + 3, ca3},       {Digit0 + 4, ca4},       {Digit0 + 5, ca5},
    {Digit0 + 6, ca6},       {Digit0 + 7, ca7},       {Digit0 + 8, ca8},
    {Digit0 + 9, ca9},
    {Numpad0, ca0},          {Numpad0 + 1, ca1},      {Numpad0 + 2, ca2},
    {Numpad0 + 3, ca3},      {Numpad0 + 4, ca4},      {Numpad0 + 5, ca5},
    {Numpad0 + 6, ca6},      {Numpad0 + 7, ca7},      {Numpad0 + 8, ca8},
    {Numpad0 + 9, ca9},
    {Multiply, caMulty},     {Add, caPlus},           {Subtract, caMinus},
    {Decimal, caDecSep},     {Divide, caDivide},
    {OemComma, caDecSep},    {OemPeriod, caDecSep},
    {Back, caBackSpace},     {F1 + 8, caSignChange},  {'R', caInverse},
};
// clang-format on

// What a typed character does, on every layout and in every modifier
// state; the codes decide only for keys whose character is none of these.
constexpr Binding CharacterBindings[] = {
    {'0', ca0},      {'1', ca1},       {'2', ca2},     {'3', ca3},     {'4', ca4},
    {'5', ca5},      {'6', ca6},       {'7', ca7},     {'8', ca8},     {'9', ca9},
    {'.', caDecSep}, {',', caDecSep},  {'+', caPlus},  {'-', caMinus}, {'*', caMulty},
    {'/', caDivide}, {'%', caPerCent}, {'=', caEqual}, {'@', caSqrt},
};

// The functions panel's keys, while it shows.
constexpr Binding FunctionShiftBindings[] = {
    {Digit0 + 3, caX3},        // "#"
    {Digit0 + 1, caFactorial}, // "!"
    {Digit0 + 6, caXY},        // "^"
};

constexpr Binding FunctionCharacterBindings[] = {
    {'#', caX3},
    {'!', caFactorial},
    {'^', caXY},
};

// A letter, with Shift for the inverse, Ctrl for the hyperbolic function and
// Ctrl+Shift for its inverse; an empty place is left to the other tables.
struct LetterBinding {
  int letter;
  std::optional<TCalcAction> plain, shifted, ctrl, ctrlShifted;
};

constexpr LetterBinding FunctionLetters[] = {
    {'S', caSin, caArcSin, caSh, caArSh},
    {'O', caCos, caArcCos, caCh, caArCh},
    {'T', caTg, caArcTg, caTh, caArTh},
    {'K', caCtg, caArcCtg, caCth, caArCth},
    {'E', caSec, {}, caSech, {}},
    {'W', caCosec, {}, caCosech, {}},
    {'N', caLn, {}, {}, {}},
    {'L', caLg, {}, {}, {}},
    {'G', caLog, {}, {}, {}},
    {'X', caExp, {}, {}, {}},
    {'B', ca3root, {}, {}, {}},
    {'Q', caSqr, {}, {}, {}},
    {'Y', caXY, {}, {}, {}},
    {'P', caPI, {}, {}, {}},
};

// F2 degrees, F3 radians, F4 grads as in the calculator shipped with
// Windows; F5 turns.
constexpr std::pair<int, TAngularMeasure> AngleBindings[] = {
    {F1 + 1, amDeg},
    {F1 + 2, amRad},
    {F1 + 3, amGrad},
    {F1 + 4, amCycle},
};

// How the user reads the keys of the tables that a character does not name.
constexpr std::pair<int, const char*> KeyLabels[] = {
    {Return, "Enter"}, {Escape, "Esc"}, {Delete, "Delete"}, {Back, "Backspace"}, {F1 + 8, "F9"},
};

std::string KeyLabel(int virtualKey) {
  if (virtualKey >= 'A' && virtualKey <= 'Z') return std::string(1, char(virtualKey));
  for (const auto& [key, label] : KeyLabels)
    if (key == virtualKey) return label;
  return {};
}

template <std::size_t N>
void AddLabels(std::vector<std::string>& names, const Binding (&table)[N], TCalcAction action,
               const std::string& modifiers) {
  for (const auto& [key, bound] : table)
    if (bound == action && !KeyLabel(key).empty()) names.push_back(modifiers + KeyLabel(key));
}

template <typename Value, std::size_t N>
std::optional<Value> Find(const std::pair<int, Value> (&table)[N], int key) {
  for (const auto& [from, value] : table)
    if (from == key) return value;
  return std::nullopt;
}

std::optional<TCalcAction> FunctionLetter(int virtualKey, TKeyModifiers held) {
  if (held.alt) return std::nullopt; // Alt and a letter open the menus
  for (const LetterBinding& row : FunctionLetters)
    if (row.letter == virtualKey)
      return held.ctrl ? (held.shift ? row.ctrlShifted : row.ctrl)
                       : (held.shift ? row.shifted : row.plain);
  return std::nullopt;
}

} // namespace

std::optional<TCalcAction> app::KeyAction(int virtualKey, TKeyModifiers held,
                                          char32_t typedCharacter, bool functionsShown) {
  const int character = static_cast<int>(typedCharacter);
  if (typedCharacter != 0) {
    if (const auto action = Find(CharacterBindings, character)) return action;
    if (functionsShown)
      if (const auto action = Find(FunctionCharacterBindings, character)) return action;
  }
  if (functionsShown)
    if (const auto action = FunctionLetter(virtualKey, held)) return action;
  if (held.ctrl && !held.shift && !held.alt)
    if (const auto action = Find(CtrlBindings, virtualKey)) return action;
  if (held.ctrl && held.shift && !held.alt)
    if (const auto action = Find(CtrlShiftBindings, virtualKey)) return action;
  if (held.shift && !held.ctrl && !held.alt) {
    if (functionsShown)
      if (const auto action = Find(FunctionShiftBindings, virtualKey)) return action;
    return Find(ShiftBindings, virtualKey);
  }
  return Find(Bindings, virtualKey);
}

std::optional<TAngularMeasure> app::KeyAngle(int virtualKey, TKeyModifiers held,
                                             bool functionsShown) {
  if (!functionsShown || held.ctrl || held.alt) return std::nullopt;
  return Find(AngleBindings, virtualKey);
}

std::vector<std::string> app::KeyNames(TCalcAction action) {
  std::vector<std::string> names;
  AddLabels(names, Bindings, action, "");
  AddLabels(names, CtrlBindings, action, "Ctrl+");
  AddLabels(names, CtrlShiftBindings, action, "Ctrl+Shift+");
  for (const LetterBinding& row : FunctionLetters) {
    const std::string letter(1, char(row.letter));
    if (row.plain == action) names.push_back(letter);
    if (row.shifted == action) names.push_back("Shift+" + letter);
    if (row.ctrl == action) names.push_back("Ctrl+" + letter);
    if (row.ctrlShifted == action) names.push_back("Ctrl+Shift+" + letter);
  }
  for (const auto& table : {std::span<const Binding>(CharacterBindings),
                            std::span<const Binding>(FunctionCharacterBindings)})
    for (const auto& [character, bound] : table)
      if (bound == action) names.emplace_back(1, char(character));
  return names;
}
