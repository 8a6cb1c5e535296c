#pragma once
// A pasted text, read as a spreadsheet reads what is typed into a cell: one
// number, or nothing and the reason why. Only Paste reads this way; number
// text (NumberText.h) keeps its own rules.
//
// A number is, with blanks around any part:
//   an optional sign ("+", "-", U+2212 and the other minus signs), or
//   accounting parentheses around the rest ("(12.50)" is -12.5);
//   an optional currency sign before or after ("$", "€", "£", "¥", ...; a
//   "%" after is dropped too);
//   digits with grouping: groups of three after the first, separated by
//   one of ",", ".", a space, a no-break or thin space, or an apostrophe;
//   a decimal mark, "." or ",", and its digits;
//   an optional exponent: "E" or "e", an optional sign, digits.
// Which mark is the decimal one:
//   "." and "," both present       -> the last (it must be there once)
//   one mark more than once        -> grouping
//   one mark once, a space or an apostrophe grouping too -> decimal
//   one mark once, not 3 digits after -> decimal
//   one mark once, 3 digits after  -> the locale's decimal separator is
//                                     decimal, the other grouping ("1.234")
//   (unless the digits before it cannot be a first group: "0.123", "1234.567")
//
//   ReadPastedNumber("1,234.50", ',')   -> 1234.5     ("€ 1.234,56", '.') -> 1234.56
//   ReadPastedNumber("3.14", ',')       -> 3.14       ("1.234", ',')      -> 1234
//   ReadPastedNumber("1.234", '.')      -> 1.234      ("(1 000)", '.')    -> -1000
//   ReadPastedNumber("12\n34", '.')     -> SeveralNumbers
//   ReadPastedNumber("abc", '.')        -> NoNumber   ("3-4", '.')        -> NotANumber
//   ReadPastedNumber("1E5000", '.')     -> OutOfRange

#include "math/Extended.h"

#include <optional>
#include <stdexcept>
#include <string_view>

namespace engine {

enum class PasteRefusal { None, NoNumber, SeveralNumbers, NotANumber, OutOfRange };

struct PastedNumber {
  std::optional<Extended> number;
  PasteRefusal refusal = PasteRefusal::None;
};

// `text` is UTF-8; `localeDecimal` decides "1.234" and "1,234".
PastedNumber ReadPastedNumber(std::string_view text, char localeDecimal);
// With the current decimal separator.
PastedNumber ReadPastedNumber(std::string_view text);

// A paste= directive that pasted nothing, for the headless driver, with the
// reason's text.
class EPasteRefused : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Why nothing was pasted, short enough for the value panel:
//   SeveralNumbers -> "Not pasted: several numbers"   OutOfRange -> "Not pasted: out of range"
const char* PasteRefusalText(PasteRefusal refusal);

} // namespace engine
