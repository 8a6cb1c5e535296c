#pragma once
// The window's menu commands: one row each, with its handler and icon (the
// captions, check marks and places are ui/Menus.h's, the shortcuts the key
// table's, ui/KeyTable.h), shared by the menu bar and the tray
// menu, which show the same command through the same action. The table is indexed by the command
// and sized by its count, so a missing or misplaced row fails to compile.

#include "app/Pictures.h"
#include "ui/Commands.h"

#include <array>
#include <cstddef>
#include <optional>

class TFCalc;

struct TMenuEntry {
  TMenuCommand command; // the row's own index
  void (TFCalc::*execute)();
  std::optional<app::MenuPicture> icon;
};

using TMenuTable = std::array<TMenuEntry, std::size_t(TMenuCommand::Count)>;

namespace app {

// Row i is the row of command i.
constexpr bool RowsInCommandOrder(const TMenuTable& table) {
  for (std::size_t i = 0; i < table.size(); ++i)
    if (std::size_t(table[i].command) != i) return false;
  return true;
}

} // namespace app
