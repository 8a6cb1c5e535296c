#pragma once
// Windows virtual-key codes from the toolkit's key events. The key map of the
// main window is written in these codes, so the same table serves wherever a
// Windows backend reports them directly.
//
// X11 and Wayland report the same native codes: the X keycode (evdev code
// + 8) and the keysym. The keypad keys come from their keysyms (with NumLock
// off the keypad sends navigation keysyms: keypad "." is then Delete), which
// also tells them apart where the toolkit sets no keypad modifier (Wayland);
// the main-row keys come from their position (X keycode), because a shifted
// key arrives already shifted: Shift+5 is reported as "%", yet its code is
// 53. Without native codes (other platforms, synthetic events) the toolkit's
// key decides.
//
//   "5" on the main row          -> 53      Shift+"5" ("%", keycode 14) -> 53
//   keypad "5", NumLock on       -> 101     keypad ".", NumLock off     -> 46
//   keypad Enter, Enter          -> 13      ","  -> 188    "."  -> 190
//
// The code goes by position, so on another layout it can contradict the
// character the key typed, which TypedCharacter gives:
//
//   French Shift+"5" key types "5"  -> code 53, character '5'
//   US Shift+"=" types "+"          -> code 187, character '+'

#include <cstdint>

class QKeyEvent;

namespace platform {

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

// The virtual-key code of a key press; 0 for a key without one.
int VirtualKeyOf(const QKeyEvent& event);

// The modifiers the key map tells apart.
struct KeyModifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};
KeyModifiers HeldModifiers(const QKeyEvent& event);

// The one character the key typed; 0 when it typed none or more than one,
// and for events without native codes, whose text the toolkit made up.
char32_t TypedCharacter(const QKeyEvent& event);

} // namespace platform
