#pragma once
// The clipboard's text on Windows. It is read as CF_TEXT, in the ANSI code
// page, and written as CF_TEXT and as CF_UNICODETEXT, so that a program
// that reads Unicode gets every character (the tape's minus sign has no
// place in most ANSI code pages); lines end in CR LF there, as Windows
// programs expect.

#include <windows.h>

#include <optional>
#include <string>

namespace win32 {

// The text as UTF-8; nothing when the clipboard holds no text or is busy.
std::optional<std::string> ReadClipboardText(HWND owner);
// Throws when the clipboard cannot be had.
void WriteClipboardText(HWND owner, const std::string& utf8);

} // namespace win32
