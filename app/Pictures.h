#pragma once
// The program's own pictures: the program icon, the menu icons and the
// radical sign of the square-root key. Icons are drawn from vector shapes at
// whatever size the desktop asks for, so they stay sharp on high-DPI screens
// and cost nothing until a menu first shows them.

#include <QIcon>
#include <QImage>

namespace app {

enum class MenuPicture { HomePage, About, Copy, Paste, Exit };

QIcon ProgramIcon();
QIcon MenuIcon(MenuPicture picture);

// 19 x 15, black on white; white (its bottom-left colour) is transparent on
// the button. `scale` renders it for a device-pixel ratio: above 1 it has
// (19 x 15) * scale pixels, that ratio, and smooth black strokes on a
// transparent ground (its bottom-left colour again).
QImage RadicalSign(qreal scale = 1);

} // namespace app
