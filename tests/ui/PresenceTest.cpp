#include "ui/Presence.h"

#include "settings/USet.h"

#include <gtest/gtest.h>

using namespace ui;

namespace {

TEST(Presence, EveryStoredValueHasAMode) {
  EXPECT_TRUE(PresenceModeOf(USet::ShowInTaskbarAndTray).TaskbarButton);
  EXPECT_TRUE(PresenceModeOf(USet::ShowInTaskbarAndTray).TrayIcon);
  EXPECT_FALSE(PresenceModeOf(USet::ShowInTaskbar).TrayIcon);
  for (std::int32_t other : {USet::ShowInTray, 0, 4, -1, 1 << 30})
    EXPECT_EQ(&PresenceModeOf(other), &PresenceModeOf(USet::ShowInTray)) << other;
  for (std::size_t i = 0; i < PresenceModes.size(); ++i)
    EXPECT_EQ(PresenceModes[i].Entry, i);
}

// Minimising goes to the tray only in the tray-only mode, with an icon
// there to come back by; a hidden window whose tray has gone comes back.
TEST(Presence, TheWindowStaysWithinReach) {
  const struct {
    std::int32_t showIn;
    bool trayAvailable, iconShown;
    bool hides;
  } rows[] = {
      {USet::ShowInTray, true, true, true},      {USet::ShowInTray, true, false, false},
      {USet::ShowInTray, false, true, false},    {USet::ShowInTaskbarAndTray, true, true, false},
      {USet::ShowInTaskbar, true, false, false},
  };
  for (const auto& row : rows) {
    TPresence presence;
    presence.SetShowIn(row.showIn);
    presence.SetTrayAvailable(row.trayAvailable);
    EXPECT_EQ(presence.HideOnMinimize(row.iconShown), row.hides) << row.showIn;
    EXPECT_EQ(presence.ComeBack(true), !row.trayAvailable) << row.showIn;
    EXPECT_FALSE(presence.ComeBack(false));
  }
}

// With a taskbar button the tray icon waits for the first frame; without
// one it comes at once, as the window's only way back.
TEST(Presence, TheTrayIconWaitsForTheFirstFrameOnlyBesideATaskbarButton) {
  TPresence presence;
  presence.SetShowIn(USet::ShowInTaskbarAndTray);
  EXPECT_FALSE(presence.TrayIconDecided());
  presence.SetShowIn(USet::ShowInTray);
  EXPECT_TRUE(presence.TrayIconDecided());
  presence.SetShowIn(USet::ShowInTaskbar);
  presence.FirstFramePainted();
  EXPECT_TRUE(presence.TrayIconDecided());
  EXPECT_FALSE(presence.TrayIcon());
}

} // namespace
