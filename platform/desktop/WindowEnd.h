#pragma once
// Notice of a top-level window destroyed by another program (on X11 any
// client may destroy any window). The toolkit would go on without it, and the
// program would linger with nothing on screen.

#include <functional>

class QWidget;

namespace platform {

// Calls `destroyed` once the window's native window has been destroyed by
// anyone but the toolkit itself; a window the toolkit replaces or closes is
// not reported. Does nothing where the platform is not X11.
void WhenWindowDestroyed(QWidget& window, std::function<void()> destroyed);

} // namespace platform
