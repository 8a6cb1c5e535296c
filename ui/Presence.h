#pragma once
// Where the window shows: the three presence modes (taskbar and tray,
// taskbar only, tray only) and what each asks of the desktop, with the
// rules that keep the window within reach where the desktop has no tray.
// A shell tells TPresence what happened (a mode chosen, the tray found or
// lost, the window shown or exposed) and asks it what to show and what is
// due: the first placing, the work after the first frame, the window
// manager's states again after a restore.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

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

// What an exposure of the window (on screen, to be painted) makes due.
struct TExposure {
  bool FirstFrame; // the window's first frame: what it did not need may come now
  bool Restore;    // shown again: the window manager's states are asked for again
};

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

  // Instances running on other displays: the window opens a step down and
  // right of the centre per instance, so that two windows never open exactly
  // on top of each other.
  void SetOthersRunning(int others) { FOthersRunning = others; }
  // The window shows. The first time it is placed: its offset from the
  // screen's centre, in pixels down and right; later shows keep its place.
  //   others 0 -> 0, 1 -> 32, 8 -> 0 (the ninth is centred again); then nullopt
  std::optional<int> Shown();

  // The window was brought back from the minimised state or the tray:
  // mapped again, it has lost its window manager's states, and a window
  // manager reads them reliably only once it manages the window again, which
  // it does before the window is exposed.
  void BroughtBack() { FRestoreDue = true; }
  // The window is exposed: each of the two is due once.
  TExposure Exposed();

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
  bool FPlaced = false;
  bool FRestoreDue = false;
  int FOthersRunning = 0;
};

} // namespace ui
