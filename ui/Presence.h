#pragma once
// Where the window shows: the three presence modes (taskbar and tray,
// taskbar only, tray only) and what each asks of the desktop, with the
// rules that keep the window within reach where the desktop has no tray.
// A shell tells TPresence what happened (a mode chosen, the tray found or
// lost, the first frame) and asks it what to show.

#include <array>
#include <cstddef>
#include <cstdint>

namespace ui {

struct TPresenceMode {
  std::int32_t ShowIn; // the stored setting
  std::size_t Entry;   // its entry in the "Show Tallyon In" menu
  bool TaskbarButton;
  bool TrayIcon;
  bool MinimizeToTray; // minimising hides the window; the tray icon brings it back
};

extern const std::array<TPresenceMode, 3> PresenceModes;

// The mode of a stored ShowIn; any value but the first two is the tray-only mode.
//   PresenceModeOf(2) -> taskbar only    PresenceModeOf(0) -> tray only
const TPresenceMode& PresenceModeOf(std::int32_t showIn);

class TPresence {
public:
  const TPresenceMode& Mode() const { return *FMode; }
  void SetShowIn(std::int32_t showIn) { FMode = &PresenceModeOf(showIn); }
  void SetTrayAvailable(bool available) { FTrayAvailable = available; }
  bool TrayAvailable() const { return FTrayAvailable; }
  // The first frame is on screen: the tray icon, which waits for the
  // desktop's tray, may come now.
  void FirstFramePainted() { FPainted = true; }
  bool Painted() const { return FPainted; }

  // Whether the tray icon's showing is decided yet: with a taskbar button it
  // waits for the first frame.
  bool TrayIconDecided() const { return FPainted || !FMode->TaskbarButton; }
  bool TrayIcon() const { return FMode->TrayIcon; }
  // Minimising hides the window only where its tray icon can bring it back.
  bool HideOnMinimize(bool trayIconShown) const {
    return FMode->MinimizeToTray && trayIconShown && FTrayAvailable;
  }
  // A window hidden in a tray that has gone comes back on screen.
  bool ComeBack(bool hidden) const { return hidden && !FTrayAvailable; }

private:
  const TPresenceMode* FMode = &PresenceModes.front();
  bool FTrayAvailable = true;
  bool FPainted = false;
};

} // namespace ui
