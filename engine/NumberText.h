#pragma once
// Number text: how every number crosses a boundary (engine value, memory
// cells, displays, clipboard, settings). Its alphabet is the digits, "+", "-",
// "E", "e" and the decimal separator; there is no length limit.

#include "math/Extended.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

// A number text that does not read: "'%s' is not a valid floating point value".
class EConvertError : public std::runtime_error {
public:
  explicit EConvertError(const std::string& message) : std::runtime_error(message) {}
};

namespace engine {

// The separators of the user's locale. The decimal separator is one byte; the
// thousands separator, used only by the displays, may be several (a no-break
// space in UTF-8, say).
struct NumberSeparators {
  char decimal = '.';
  std::string thousands = ",";
};

// The separators from what the locale gives: "." and "," where it gives
// none, and "." for a decimal separator longer than one byte. A thousands
// separator that would be the decimal separator is none at all, so that
// grouping is off and a display reads one way (bg_BG gives "," and none).
//   SeparatorsFrom(",", "\xC2\xA0") -> {',', "\xC2\xA0"}
//   SeparatorsFrom("", "")          -> {'.', ","}
//   SeparatorsFrom(",", ""), SeparatorsFrom(",", ",") -> {',', ""}
NumberSeparators SeparatorsFrom(std::string_view decimal, std::string_view thousands);

// The process-wide separators that the engine and the displays use. The
// program sets them from the locale at start; tests set them directly.
const NumberSeparators& CurrentSeparators();
void SetCurrentSeparators(NumberSeparators separators);

// Keeps digits, "+", "-", "E"/"e" and the decimal separator, in their order.
//   RemoveNonNumber("1.234,5", ',') -> "1234,5"
//   RemoveNonNumber(" -7 ", '.')    -> "-7"
//   RemoveNonNumber("abc", '.')     -> ""
std::string RemoveNonNumber(std::string_view text, char decimalSeparator);

// General format with 15 significant digits: the number is rounded exactly
// to 18 digits (ties to even), then to 15 with a 5 or more rounding up.
// Fixed-point while the decimal exponent E of 0.d1d2... x 10^E is within
// -3..15, scientific otherwise.
//   1234.5 -> "1234.5"     1/3 -> "0.333333333333333"   2/3 -> "0.666666666666667"
//   1e-4   -> "0.0001"     1e-5 -> "1E-5"               1e15 -> "1E15"
//   -0 and denormals -> "0"    infinities -> "INF", "-INF"    NaN -> "NAN"
std::string NumberToText(Extended x, char decimalSeparator);

// Reads number text: spaces, optional sign, digits, optional separator and
// digits, optional "E" with optional sign and digits (reading stops once the
// exponent reaches 500), spaces. Correctly rounded; linear in the text's
// length. Fails with EConvertError on anything else, on a text with no digit
// or separator before the exponent, and on overflow (underflow gives 0 or a
// denormal).
//   "1234567890E+1234" -> 1.23456789e1243     "," -> 0 (with ',' as separator)
//   "2,5E" -> 2.5        "1E12345", "", "-", "1.234,5" -> EConvertError
Extended TextToNumber(std::string_view text, char decimalSeparator);

// The same reading without the exception: nothing where TextToNumber fails.
//   TryTextToNumber("12.5", '.') -> 12.5      TryTextToNumber("3-4", '.') -> nothing
std::optional<Extended> TryTextToNumber(std::string_view text, char decimalSeparator);

// The same four with the current decimal separator.
std::string RemoveNonNumber(std::string_view text);
std::string NumberToText(Extended x);
Extended TextToNumber(std::string_view text);
std::optional<Extended> TryTextToNumber(std::string_view text);

} // namespace engine
