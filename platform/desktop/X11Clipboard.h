#pragma once
// The X11 CLIPBOARD selection read with a deadline. The selection's owner is
// another program, and one that is stopped or busy never answers; the
// toolkit's own read would hold the window for seconds. This one asks over
// a connection of its own and gives up when the time is over.

#include <chrono>
#include <optional>
#include <string>

namespace platform {

// The selection's text as UTF-8 bytes (asked for as UTF8_STRING, else as
// Latin-1 STRING and converted), also when it comes in increments; nothing
// when there is no owner, it offers no text, or it has not delivered the
// whole text within `timeout`. The display is the one $DISPLAY names.
std::optional<std::string> ReadX11Clipboard(std::chrono::milliseconds timeout);

} // namespace platform
