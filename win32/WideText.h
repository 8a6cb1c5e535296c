#pragma once
// The program's UTF-8 texts as the system's UTF-16 ones and back, and the
// clipboard's CF_TEXT, which is in the ANSI code page.

#include <string>
#include <string_view>

namespace win32 {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);

// CF_TEXT's bytes, in the ANSI code page, from UTF-8 and back.
std::string Ansi(std::string_view utf8);
std::string Utf8FromAnsi(std::string_view ansi);

} // namespace win32
