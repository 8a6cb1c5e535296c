#include "display/DisplayFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace {

// Magnitudes at or beyond these show in exponent form. The lower one is the
// Extended nearest to 10^-15, which itself takes the exponent form.
constexpr Extended LowerBound = 1e-15L;
constexpr Extended UpperBound = 1e15L;

// The longest text whose decimals all stay visible.
constexpr int MaxShownLength = 18;
constexpr int ExponentFormDigits = 13;

// The first `count` digits, plus one in the last place when the digit after
// them is 5 or more; a carry out of the first digit makes the result one
// digit longer. Fewer than zero digits keep nothing.
std::string RoundedPrefix(const std::string& digits, int count) {
  if (count < 0) return {};
  if (count >= static_cast<int>(digits.size())) return digits;
  std::string kept = digits.substr(0, count);
  if (digits[count] < '5') return kept;
  int i = count - 1;
  while (i >= 0 && kept[i] == '9')
    kept[i--] = '0';
  if (i < 0) return "1" + kept;
  ++kept[i];
  return kept;
}

std::string Grouped(const std::string& integerDigits, const std::string& separator) {
  std::string text;
  const std::size_t n = integerDigits.size();
  for (std::size_t i = 0; i < n; ++i) {
    if (i > 0 && (n - i) % 3 == 0) text += separator;
    text += integerDigits[i];
  }
  return text;
}

// "-" if negative, the first digit, the separator, 12 more digits, "E", the
// exponent's sign and at least four exponent digits.
std::string ExponentForm(Extended x, char decimal) {
  const Decimal18 d = ToDecimal18(std::fabs(x));
  std::string digits = RoundedPrefix(d.digits, ExponentFormDigits);
  int exponent = d.exponent - 1;
  if (static_cast<int>(digits.size()) > ExponentFormDigits) { // 9.99...95 became 10.00...0
    digits.pop_back();
    ++exponent;
  }
  std::string exponentDigits = std::to_string(std::abs(exponent));
  exponentDigits.insert(0, std::max<int>(0, 4 - static_cast<int>(exponentDigits.size())), '0');
  return (std::signbit(x) ? "-" : "") + digits.substr(0, 1) + decimal + digits.substr(1) + "E" +
         (exponent < 0 ? "-" : "+") + exponentDigits;
}

// x rounded to the decimals that the text s shows (both without exponent part).
std::string FixedForm(std::string_view s, Extended x, bool thouSep,
                      const NumberSeparators& separators) {
  const int length = static_cast<int>(s.size());
  const std::size_t found = s.find(separators.decimal);
  const int p = found == std::string_view::npos ? length : static_cast<int>(found) + 1;
  // Past the 18th character no decimals remain; rounding to a negative
  // number of decimals would wipe out integer digits the text really has.
  const int decimals = std::max(0, std::min(length, MaxShownLength) - p);

  const Decimal18 d = ToDecimal18(std::fabs(x));
  std::string scaled = RoundedPrefix(d.digits, d.exponent + decimals); // |x| x 10^decimals
  if (static_cast<int>(scaled.size()) < d.exponent + decimals)
    scaled.append(d.exponent + decimals - scaled.size(), '0');
  if (static_cast<int>(scaled.size()) <= decimals)
    scaled.insert(0, decimals + 1 - scaled.size(), '0');

  const std::string integerDigits = scaled.substr(0, scaled.size() - decimals);
  std::string text = std::signbit(x) ? "-" : "";
  text += thouSep ? Grouped(integerDigits, separators.thousands) : integerDigits;
  if (decimals > 0) text += separators.decimal + scaled.substr(scaled.size() - decimals);
  return text;
}

// NumberToText's text in fixed notation, keeping its digits:
//   "1.5E-6" -> "0.0000015"   "-1.5E3" -> "-1500"   "2.5E1" -> "25"   "12.5" -> "12.5"
std::string FixedNotation(std::string_view text, char decimal) {
  const std::size_t e = text.find('E');
  if (e == std::string_view::npos) return std::string(text);
  const bool negative = text[0] == '-';
  const std::string_view mantissa = text.substr(negative ? 1 : 0, e - (negative ? 1 : 0));
  int exponent = 0;
  std::from_chars(text.data() + e + 1, text.data() + text.size(), exponent);

  std::string digits;
  int point = static_cast<int>(mantissa.size()); // digits before the separator
  for (std::size_t i = 0; i < mantissa.size(); ++i) {
    if (mantissa[i] == decimal)
      point = static_cast<int>(i);
    else
      digits += mantissa[i];
  }
  point += exponent;
  std::string fixed = negative ? "-" : "";
  if (point <= 0)
    fixed += "0" + std::string(1, decimal) + std::string(-point, '0') + digits;
  else if (point >= static_cast<int>(digits.size()))
    fixed += digits + std::string(point - digits.size(), '0');
  else
    fixed += digits.substr(0, point) + decimal + digits.substr(point);
  return fixed;
}

} // namespace

std::string FormatDisplayText(std::string_view s, bool thouSep,
                              const NumberSeparators& separators) {
  const Extended x = TextToNumber(s, separators.decimal);
  if (x == 0) return s.find(separators.decimal) != std::string_view::npos ? std::string(s) : "0";
  const Extended magnitude = std::fabs(x);
  if (magnitude <= LowerBound || magnitude >= UpperBound)
    return ExponentForm(x, separators.decimal);
  if (s.find_first_of("Ee") == std::string_view::npos) return FixedForm(s, x, thouSep, separators);
  // The digits NumberToText keeps, shown as if the user had typed them out.
  const std::string fixed = FixedNotation(NumberToText(x, separators.decimal), separators.decimal);
  return FixedForm(fixed, TextToNumber(fixed, separators.decimal), thouSep, separators);
}

std::string DisplayTextOf(std::string_view value, bool thouSep,
                          const NumberSeparators& separators) {
  return FormatDisplayText(RemoveNonNumber(value, separators.decimal), thouSep, separators);
}
