#pragma once
// The key table's bindings (ui/KeyTable.h) as the toolkit's shortcuts.

#include "ui/KeyTable.h"

#include <QKeySequence>

namespace app {

// A binding by a letter or a named key with its modifiers; an empty
// sequence for a binding by a character.
//   {.VirtualKey = vk::Insert, .Modifiers = Shift} -> Shift+Ins
QKeySequence Shortcut(const ui::TKeyBinding& binding);

} // namespace app
