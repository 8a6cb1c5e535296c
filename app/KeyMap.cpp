#include "app/KeyMap.h"

#include <utility>

namespace {

using Binding = std::pair<int, TCalcAction>;

constexpr Binding ShiftBindings[] = {
    {53, caPerCent}, // 5 on the main keyboard
    {56, caMulty},   // 8 on the main keyboard
};

constexpr Binding Bindings[] = {
    {13, caEqual},                                                    // Enter
    {27, caClearEntr},                                                // Esc
    {46, caClear},                                                    // Delete
    {48, ca0},         {49, ca1},  {50, ca2},  {51, ca3},  {52, ca4}, // main-row digits
    {53, ca5},         {54, ca6},  {55, ca7},  {56, ca8},  {57, ca9},  {96, ca0},
    {97, ca1},         {98, ca2},  {99, ca3},  {100, ca4}, // keypad digits
    {101, ca5},        {102, ca6}, {103, ca7}, {104, ca8}, {105, ca9}, {106, caMulty}, // keypad *
    {107, caPlus},                                                                     // keypad +
    {109, caMinus},                                                                    // keypad -
    {110, caDecSep}, // keypad decimal point
    {111, caDivide}, // keypad /
    {188, caDecSep}, // comma
    {190, caDecSep}, // full stop
};

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
