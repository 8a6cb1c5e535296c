#pragma once
// The message boxes over the shell's windows, each captioned "Tallyon" like
// the Qt shell's.

#include <windows.h>

#include <string>

namespace win32 {

// A box with `text` and MessageBoxW's `style`; what the user chose.
int ShowBox(HWND owner, const std::string& text, UINT style);

// The error box: the message with its full stop rule, the error icon, OK.
void ShowErrorBox(HWND owner, const std::string& message);

} // namespace win32
