#pragma once
// What every window of the shell does the same way: the C++ object behind
// a window of its own class, and painting between BeginPaint and EndPaint.

#include <windows.h>

namespace win32 {

// The window procedure of TOwner's class. The object is CreateWindowExW's
// last argument; it is kept in the window's user data from WM_NCCREATE on,
// and every message from then goes to its Handle (FHandle set first). The
// owner befriends this template.
template <class TOwner>
LRESULT CALLBACK WindowProcOf(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* owner = static_cast<TOwner*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
    owner->FHandle = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
  }
  auto* owner = reinterpret_cast<TOwner*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  return owner ? owner->Handle(message, w, l) : DefWindowProcW(window, message, w, l);
}

// WM_PAINT: `paint` draws on the window's device context.
template <class TPaint> void PaintWindow(HWND window, TPaint paint) {
  PAINTSTRUCT area;
  HDC dc = BeginPaint(window, &area);
  paint(dc);
  EndPaint(window, &area);
}

} // namespace win32
