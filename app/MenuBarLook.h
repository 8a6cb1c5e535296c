#pragma once
// The menu bar's fixed look, whatever the desktop's palette: white, with
// black entries, and the entry under the mouse or with its menu open on a
// light sand colour. Drawn by a small proxy of the application's style
// rather than by a style sheet, whose engine would cost every start half a
// megabyte of memory.

class QMenuBar;

namespace app {

void UseFixedMenuBarLook(QMenuBar& menuBar);

} // namespace app
