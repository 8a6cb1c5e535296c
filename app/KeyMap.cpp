#include "app/KeyMap.h"

#include "platform/desktop/VirtualKeys.h"

#include <utility>

namespace {

using Binding = std::pair<int, TCalcAction>;

using namespace platform::vk;

constexpr Binding ShiftBindings[] = {
    {Digit0 + 5, caPerCent}, // Shift+5 on the main keyboard
    {Digit0 + 8, caMulty},   // Shift+8 on the main keyboard
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
};
// clang-format on

constexpr Binding CharacterBindings[] = {
    {'0', ca0},      {'1', ca1},       {'2', ca2},    {'3', ca3},     {'4', ca4},
    {'5', ca5},      {'6', ca6},       {'7', ca7},    {'8', ca8},     {'9', ca9},
    {'.', caDecSep}, {',', caDecSep},  {'+', caPlus}, {'-', caMinus}, {'*', caMulty},
    {'/', caDivide}, {'%', caPerCent},
};

template <std::size_t N>
std::optional<TCalcAction> Find(const Binding (&table)[N], int virtualKey) {
  for (const auto& [key, action] : table)
    if (key == virtualKey) return action;
  return std::nullopt;
}

} // namespace

std::optional<TCalcAction> KeyAction(int virtualKey, bool shiftAlone, char32_t layoutCharacter) {
  if (layoutCharacter != 0)
    if (const auto action = Find(CharacterBindings, static_cast<int>(layoutCharacter)))
      return action;
  return shiftAlone ? Find(ShiftBindings, virtualKey) : Find(Bindings, virtualKey);
}
