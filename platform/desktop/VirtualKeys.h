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

#include "ui/KeyCodes.h"

class QKeyEvent;

namespace platform {

namespace vk = ui::vk;

// The virtual-key code of a key press; 0 for a key without one.
int VirtualKeyOf(const QKeyEvent& event);

// The modifiers the key table tells apart.
using KeyModifiers = ui::TKeyModifiers;
KeyModifiers HeldModifiers(const QKeyEvent& event);

// The one character the key typed; 0 when it typed none or more than one,
// and for events without native codes, whose text the toolkit made up.
char32_t TypedCharacter(const QKeyEvent& event);

} // namespace platform
