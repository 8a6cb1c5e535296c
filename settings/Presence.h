#pragma once
// The three places the window shows in, as the stored ShowIn names them:
// its entry in the "Show Tallyon In" menu and what the desktop shows of the
// window.

#include "settings/USet.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace USet {

struct TPresenceMode {
  std::int32_t ShowIn;
  std::size_t Entry; // in the submenu, top to bottom
  bool TaskbarButton;
  bool TrayIcon;
  bool MinimizeToTray; // minimising hides the window, the tray icon brings it back
};

inline constexpr std::array<TPresenceMode, 3> PresenceModes = {{
    {ShowInTaskbarAndTray, 0, true, true, false},
    {ShowInTaskbar, 1, true, false, false},
    {ShowInTray, 2, false, true, true},
}};

// The mode of a stored ShowIn; any value but the first two is the tray-only mode.
constexpr const TPresenceMode& PresenceModeOf(std::int32_t showIn) {
  for (const TPresenceMode& mode : PresenceModes)
    if (mode.ShowIn == showIn) return mode;
  return PresenceModes.back();
}

} // namespace USet
