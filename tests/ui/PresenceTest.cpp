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

// The first exposure is the first frame; a window brought back has its
// states asked for again at the next exposure, once.
TEST(Presence, AnExposureMakesDueWhatWaitedForIt) {
  TPresence presence;
  const struct {
    const char* tag;
    bool broughtBack;
    bool firstFrame, restore;
  } steps[] = {
      {"the first frame", false, true, false},
      {"exposed again", false, false, false},
      {"brought back", true, false, true},
      {"exposed once more", false, false, false},
  };
  for (const auto& step : steps) {
    if (step.broughtBack) presence.BroughtBack();
    const TExposure due = presence.Exposed();
    EXPECT_EQ(due.FirstFrame, step.firstFrame) << step.tag;
    EXPECT_EQ(due.Restore, step.restore) << step.tag;
    EXPECT_TRUE(presence.Painted()) << step.tag;
  }
}

// Placed once, at the first show: a step aside per other instance, the
// ninth window centred again.
TEST(Presence, TheFirstShowPlacesTheWindow) {
  for (const auto& [others, offset] : {std::pair{0, 0}, {1, 32}, {7, 224}, {8, 0}, {9, 32}}) {
    TPresence presence;
    presence.SetOthersRunning(others);
    EXPECT_EQ(presence.Shown(), offset) << others;
    EXPECT_EQ(presence.Shown(), std::nullopt) << others;
  }
}

} // namespace
