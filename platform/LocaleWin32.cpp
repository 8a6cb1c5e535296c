#include "platform/Locale.h"

#include <windows.h>

namespace platform {

namespace {

// The text of one item of the user's locale, in the ANSI code page.
std::string LocaleText(LCTYPE item) {
  char text[64] = {};
  const int length = ::GetLocaleInfoA(LOCALE_USER_DEFAULT, item, text, sizeof text);
  return length > 1 ? std::string(text, std::size_t(length - 1)) : std::string();
}

// The program's texts are UTF-8 on every system: "\xA0" in Windows-1252 ->
// "\xC2\xA0".
std::string Utf8FromAnsi(const std::string& text) {
  if (text.empty()) return text;
  const int size = static_cast<int>(text.size());
  std::wstring wide(text.size(), L'\0');
  wide.resize(std::size_t(::MultiByteToWideChar(CP_ACP, 0, text.data(), size, wide.data(), size)));
  const int wideSize = static_cast<int>(wide.size());
  std::string utf8(wide.size() * 3, '\0');
  utf8.resize(std::size_t(::WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideSize, utf8.data(),
                                                static_cast<int>(utf8.size()), nullptr, nullptr)));
  return utf8;
}

} // namespace

LocaleNumberFormat UserNumberFormat() {
  return {Utf8FromAnsi(LocaleText(LOCALE_SDECIMAL)), Utf8FromAnsi(LocaleText(LOCALE_STHOUSAND))};
}

// The user's locale as a language and a country, "de_DE": Windows names no
// list of languages the way LANGUAGE does.
std::vector<std::string> UserMessageLanguages() {
  const std::string language = LocaleText(LOCALE_SISO639LANGNAME);
  const std::string country = LocaleText(LOCALE_SISO3166CTRYNAME);
  if (language.empty()) return {};
  return {country.empty() ? language : language + "_" + country};
}

} // namespace platform
