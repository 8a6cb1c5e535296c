#pragma once
// The text of the error box that every shell shows when a command fails.

#include <string>

namespace ui {

// The message as the box shows it: a full stop appended when the last
// character sorts after ".".  "Overflow" -> "Overflow.";  "1." -> "1.".
// A message longer than 300 bytes keeps only its first and last 120 bytes,
// joined by "…", so a conversion error quoting a million digits shows
// "'7777…7777' is not a valid floating point value." with about 200 of them.
std::string ErrorBoxText(const std::string& message);

} // namespace ui
