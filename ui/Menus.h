#pragma once
// The window's menus as every shell builds them: each command's caption with
// its mnemonic, the menu bar's places and the tray menu's rows. The shortcuts
// shown beside the captions are the key table's (ui/KeyTable.h).

#include "ui/Commands.h"

#include <optional>
#include <span>

namespace ui {

// The command's caption, "&" before the mnemonic, in the "TFCalc"
// translation context:  MenuCaption(TMenuCommand::EditCopy) -> "&Copy"
const char* MenuCaption(TMenuCommand command);

// Whether the command's entry carries a check mark (the view options and
// the three places the window shows in).
bool MenuCheckable(TMenuCommand command);

// Where a command shows on the menu bar: its menu and, inside it, a submenu
// (or none); a row without a command is a separator.
struct TMenuPlace {
  const char* Menu;
  const char* Submenu;
  std::optional<TMenuCommand> Command;
};

extern const std::span<const TMenuPlace> MenuBarPlaces;

// The tray icon's menu, top to bottom; an empty row is a separator.
extern const std::span<const std::optional<TMenuCommand>> TrayMenuRows;

} // namespace ui
