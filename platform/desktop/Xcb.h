#pragma once
// What the X11 parts of the desktop services share on xcb: replies that free
// themselves, and atoms by name.

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace platform {

template <typename T> using XcbReply = std::unique_ptr<T, decltype(&std::free)>;

// The atom of the name, interned on the connection; XCB_ATOM_NONE when the
// server does not answer.
inline xcb_atom_t InternAtom(xcb_connection_t* connection, const char* name) {
  XcbReply<xcb_intern_atom_reply_t> reply(
      xcb_intern_atom_reply(
          connection,
          xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
          nullptr),
      &std::free);
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

} // namespace platform
