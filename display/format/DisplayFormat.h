#pragma once
// Display text: how the number displays show number text. The text is turned
// into display text once, when it is written to a display, so painting only
// draws characters. Toolkit-free, so the headless driver shows exactly what
// the window shows.

#include "engine/NumberText.h"

#include <string>
#include <string_view>

namespace display {

// The display text of the cleaned number text `s` (see RemoveNonNumber), with
// digit grouping on or off. With "." as decimal and "," as thousands separator:
//
//   zero: "0", "-0", "00" -> "0";   "0." -> "0.";   "0.000" -> "0.000"
//   fixed: "1234567.5" -> "1,234,567.5" (grouping off: "1234567.5")
//          "12.50" -> "12.50"   "12." -> "12"   "07" -> "7"   "-0.5" -> "-0.5"
//          "0.1234567890123456789" -> "0.1234567890123457" (cut to 18 characters)
//   exponent form, for |x| <= 1E-15 (the nearest Extended) and |x| >= 1E15:
//          "1E15" -> "1.000000000000E+0015"
//          "-123456789E-1234" -> "-1.234567890000E-1226"
//          "0.0000000000000001" -> "1.000000000000E-0016"
//   exponent part, magnitude in between: first rewritten in fixed notation
//   with the 15 significant digits that NumberToText keeps, then as above:
//          "1.5E3" -> "1,500"   "1.5E-6" -> "0.0000015"   "2E20" -> "2.000000000000E+0020"
//
// Fixed form keeps as many decimals as `s` has after its first decimal
// separator, but no more than the first 18 characters of `s` hold; a text
// whose separator lies past the 18th character shows no decimals. Rounding
// is that of NumberToText: exact to 18 significant digits, then a 5 or more
// in the next digit rounds up. An empty thousands separator groups nothing.
// Text that does not read fails with TextToNumber's EConvertError.
std::string FormatDisplayText(std::string_view s, bool thouSep,
                              const engine::NumberSeparators& separators);

// Number text as a display shows it: RemoveNonNumber, then FormatDisplayText.
//   "1a2b3" -> "123"   "1 234,5" -> "1.234,5" (with "," and ".")   "abc" -> EConvertError ("''")
std::string DisplayTextOf(std::string_view value, bool thouSep,
                          const engine::NumberSeparators& separators);

} // namespace display
