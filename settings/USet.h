#pragma once
// USet: the program's seven persistent settings, process-wide for the whole
// run, and their store under HKEY_CURRENT_USER\Software\Corvane\Tallyon.
// LoadSettings runs once as the main window is made, SaveSettings once as it
// closes; in between the settings are plain variables that the window, the
// clipboard commands and the dialogs read and change.
//
// Both raise platform::ERegistryException ("Invalid data type for 'Value'",
// "Failed to set data for 'Value'" with the system's cause on a second
// line, ...). A file that cannot be opened at the start gives the first
// start's settings and a notice (TakeSettingsNotice); the save then stores
// nothing, silently, while a file that becomes unusable later fails the save.

#include <cstdint>
#include <string>

namespace USet {

// Start values until LoadSettings: empty, empty, false, false, 0.
extern std::string Value;   // the current value as number text
extern std::string Memory;  // the memory display's number text
extern bool ThouSep;        // digit grouping in both displays
extern bool StayOnTop;      // the windows stay above other windows
extern std::int32_t ShowIn; // one of the three below (others act as ShowInTray)
// Start values until LoadSettings: false, 0. A file from before they were
// kept has neither: the panel is off and angles are in radians.
extern bool Functions;              // the functions panel shows
extern std::int32_t AngularMeasure; // the engine's angle unit by ordinal, 0 to 3
// Start values until LoadSettings: false, true; a file from before they
// were kept has neither: the tape is hidden and kept across restarts.
extern bool Tape;     // the tape panel shows
extern bool KeepTape; // the tape's file keeps it across restarts

// Where the window shows, as ShowIn stores it.
inline constexpr std::int32_t ShowInTaskbarAndTray = 1;
inline constexpr std::int32_t ShowInTaskbar = 2;
inline constexpr std::int32_t ShowInTray = 3;

inline constexpr const char* SettingsKey = "\\Software\\Corvane\\Tallyon";
inline constexpr const char* DefaultValue = "1234567890E+1234";

// Fills the settings from the key, with "1234567890E+1234" and "0" for empty
// texts (and, with a notice, for texts that are not UTF-8); a missing
// ThouSep, StayOnTop, ShowIn, Functions or AngularMeasure becomes true,
// false, 1, false or 0, to be written back by StoreLoadedDefaults. A Functions
// other than 0 and 1 or an AngularMeasure outside 0 to 3 takes its default. A
// value of the wrong type stops the load there.
void LoadSettings();

// Writes back the defaults the last load gave to missing values, in one
// replacement of the file flushed to the disk, unless the file holds them
// by now; nothing when none was missing. The window calls it once its first
// frame is on screen: the write waits for the disk, the frame need not.
void StoreLoadedDefaults();

// Stores Value, Memory, ThouSep, StayOnTop, ShowIn, Functions,
// AngularMeasure, Tape and KeepTape in one replacement of the file: all of
// them or none. A view
// option this run did not change since it was loaded or saved is stored as
// the file now holds it, so that another
// instance's change survives; the value and the memory are always this run's.
void SaveSettings();

// Once after a load that found the settings file damaged or unusable, the
// text that tells the user where the old file was kept, or which file cannot
// be read or written and why; empty otherwise.
std::string TakeSettingsNotice();

} // namespace USet
