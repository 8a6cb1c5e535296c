#include "ui/Presence.h"

#include "settings/USet.h"

#include <utility>

// clang-format off
const std::array<ui::TPresenceMode, 3> ui::PresenceModes = {{
    {USet::ShowInTaskbarAndTray, 0, true,  true,  false},
    {USet::ShowInTaskbar,        1, true,  false, false},
    {USet::ShowInTray,           2, false, true,  true},
}};
// clang-format on

const ui::TPresenceMode& ui::PresenceModeOf(std::int32_t showIn) {
  for (const TPresenceMode& mode : PresenceModes)
    if (mode.ShowIn == showIn) return mode;
  return PresenceModes.back();
}

std::optional<int> ui::TPresence::Shown() {
  if (std::exchange(FPlaced, true)) return std::nullopt;
  constexpr int CascadeStep = 32, CascadeSteps = 8;
  return CascadeStep * (FOthersRunning % CascadeSteps);
}

ui::TExposure ui::TPresence::Exposed() {
  const TExposure due{!FPainted, FRestoreDue};
  FPainted = true;
  FRestoreDue = false;
  return due;
}
