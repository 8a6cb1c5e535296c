#pragma once
// A number text as the settings store it ("Value", "Memory"). It is the
// engine's own text, never grouped, so its one separator, "." or ",", is its
// decimal point whatever locale wrote it; read under another locale it must
// not lose that point ("12,5" stored under de_DE is 12.5 under C, not 125).
// The window passes each stored text through here once, as it loads them;
// what it stores at the close is then the current locale's form.

#include <string>
#include <string_view>

namespace engine {

// The stored text in the form of the current locale: its one "." or "," made
// the given decimal separator. Anything else, such as a text with several
// separators, comes back as it is, for the engine's own reading to judge.
//   StoredNumberText("12,5", '.')   -> "12.5"     StoredNumberText("1234.5", ',') -> "1234,5"
//   StoredNumberText("-1,5E20", '.') -> "-1.5E20"  StoredNumberText("0", ',')      -> "0"
//   StoredNumberText("1.234,5", '.') -> "1.234,5"
std::string StoredNumberText(std::string_view stored, char decimalSeparator);

// The same with the current decimal separator.
std::string StoredNumberText(std::string_view stored);

} // namespace engine
