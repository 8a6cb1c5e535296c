#pragma once
// Windows virtual-key codes and the modifiers the key table tells apart. The
// key table is written in these codes, so it serves the Windows shell as it
// stands and every other shell through its own translation of key events.

namespace ui {

namespace vk {
enum : int {
  Back = 8,
  Tab = 9,
  Clear = 12,
  Return = 13,
  Escape = 27,
  Space = 32,
  Prior = 33,
  Next = 34,
  End = 35,
  Home = 36,
  Left = 37,
  Up = 38,
  Right = 39,
  Down = 40,
  Insert = 45,
  Delete = 46,
  Digit0 = 48,  // to Digit9 = 57
  Numpad0 = 96, // to Numpad9 = 105
  Multiply = 106,
  Add = 107,
  Separator = 108,
  Subtract = 109,
  Decimal = 110,
  Divide = 111,
  F1 = 112, // to F24 = 135
  OemPlus = 187,
  OemComma = 188,
  OemMinus = 189,
  OemPeriod = 190,
  Oem2 = 191,
};
} // namespace vk

struct TKeyModifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

} // namespace ui
