#pragma once
// USet: the program's five persistent settings, process-wide for the whole
// run, and their store under HKEY_CURRENT_USER\Software\Corvane\Tallyon.
// LoadSettings runs once as the main window is made, SaveSettings once as it
// closes; in between the settings are plain variables that the window, the
// clipboard commands and the dialogs read and change.
//
// Both raise platform::ERegistryException ("Invalid data type for 'Value'",
// "Failed to set data for 'Memory'", ...) and keep silent when the key
// cannot be opened.

#include <cstdint>
#include <string>

namespace USet {

// Start values until LoadSettings: empty, empty, false, false, 0.
extern std::string Value;   // the current value as number text
extern std::string Memory;  // the memory display's number text
extern bool ThouSep;        // digit grouping in both displays
extern bool StayOnTop;      // the windows stay above other windows
extern std::int32_t ShowIn; // 1 taskbar and tray, 2 taskbar, 3 tray (others act as 3)

inline constexpr const char* SettingsKey = "\\Software\\Corvane\\Tallyon";
inline constexpr const char* DefaultValue = "1234567890E+1234";

// Fills the settings from the key, with "1234567890E+1234" and "0" for empty
// texts; a missing ThouSep, StayOnTop or ShowIn becomes true, false or 1 and
// is written back at once. A value of the wrong type stops the load there.
void LoadSettings();

// Writes Value, Memory, ThouSep, StayOnTop and ShowIn, in this order; a
// failing write leaves the ones after it unwritten.
void SaveSettings();

// Once after a load that found the settings file damaged, the text that
// tells the user where the old file was kept; empty otherwise.
std::string TakeSettingsNotice();

} // namespace USet
