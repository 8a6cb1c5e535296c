#pragma once
// USet: the program's persistent settings, process-wide for the whole
// run, and their store under HKEY_CURRENT_USER\Software\Corvane\Tallyon.
// LoadSettings runs once as the main window is made, SaveSettings once as it
// closes; in between the settings are plain variables that the window, the
// clipboard commands and the dialogs read and change.
//
// A save raises platform::ERegistryException ("Failed to set data for
// 'Value'" with the system's cause on a second line). A file that cannot be
// opened at the start gives the first start's settings and a notice
// (TakeSettingsNotice); the save then stores nothing, silently, while a file
// that becomes unusable later fails the save.

#include "settings/SettingsNotice.h"

#include <cstdint>
#include <string>
#include <vector>

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

// Fills the settings from the key, by the table of SettingsTable.h. A
// missing value takes its default (an empty text too), and a missing boolean
// or integer is written back by StoreLoadedDefaults. A stored value of the
// wrong type, out of its range, unreadable or a text that is not UTF-8 costs
// only itself: it takes its default, the others load, and the notice names
// it. A file that can be read but not written is read, and the notice says
// that changes will not be kept. Never throws for what the file holds.
void LoadSettings();

// Writes back the defaults the last load gave to missing values, in one
// replacement of the file flushed to the disk, unless the file holds them
// by now; nothing when none was missing. Reads no setting, so it may run on
// any thread: the disk need not hold up the window's first frame.
void StoreLoadedDefaults();

// Stores the settings as they are now, as the last save of a run:
// StoreSnapshot(TakeSnapshot(), TSave::Last) (SettingsTable.h).
void SaveSettings();

// Once after a load that found the settings file damaged, unusable, not
// writable or holding values that cannot be used: what to tell the user
// (SettingsNotice.h); nothing otherwise.
std::vector<TSettingsNotice> TakeSettingsNotices();
// The same, as its text in English (empty when there is nothing to tell).
std::string TakeSettingsNotice();

} // namespace USet
