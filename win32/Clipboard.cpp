#include "win32/Clipboard.h"

#include "win32/WideText.h"

#include <cstring>
#include <stdexcept>
#include <string_view>

namespace {

std::string WithWindowsLineEnds(const std::string& text) {
  std::string windows;
  for (const char c : text) {
    if (c == '\n') windows += '\r';
    windows += c;
  }
  return windows;
}

// A global copy of the bytes, as the clipboard takes them.
HGLOBAL GlobalCopy(const void* bytes, std::size_t size) {
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!data) throw std::runtime_error("Out of memory");
  std::memcpy(GlobalLock(data), bytes, size);
  GlobalUnlock(data);
  return data;
}

void Put(UINT format, HGLOBAL data) {
  if (!SetClipboardData(format, data)) GlobalFree(data);
}

} // namespace

std::optional<std::string> win32::ReadClipboardText(HWND owner) {
  if (!IsClipboardFormatAvailable(CF_TEXT) || !OpenClipboard(owner)) return std::nullopt;
  std::optional<std::string> text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const auto* bytes = static_cast<const char*>(GlobalLock(data))) {
      text = Utf8FromAnsi(std::string_view(bytes, strnlen(bytes, GlobalSize(data))));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

void win32::WriteClipboardText(HWND owner, const std::string& utf8) {
  const std::string text = WithWindowsLineEnds(utf8);
  const std::string ansi = Ansi(text);
  const std::wstring wide = Wide(text);
  HGLOBAL ansiData = GlobalCopy(ansi.c_str(), ansi.size() + 1);
  HGLOBAL wideData = GlobalCopy(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  if (!OpenClipboard(owner)) {
    GlobalFree(ansiData);
    GlobalFree(wideData);
    throw std::runtime_error("Cannot open clipboard");
  }
  EmptyClipboard();
  Put(CF_UNICODETEXT, wideData);
  Put(CF_TEXT, ansiData);
  CloseClipboard();
}
