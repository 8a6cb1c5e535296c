#include "display/format/DisplayFormat.h"

#include "engine/Decimal.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace display {

namespace {

// Magnitudes at or beyond these show in exponent form. The lower one is the
// Extended nearest to 10^-15, which itself takes the exponent form.
constexpr Extended LowerBound = 1e-15L;
constexpr Extended UpperBound = 1e15L;

// The longest text whose decimals all stay visible.
constexpr int MaxShownLength = 18;
constexpr int ExponentFormDigits = 13;

// "-" if negative, the first digit, the separator, 12 more digits, "E", the
// exponent's sign and at least four exponent digits.
std::string ExponentForm(const engine::Decimal& exact, char decimal) {
  engine::Decimal d = engine::RoundedTo(exact, ExponentFormDigits);
  d.digits.resize(ExponentFormDigits, '0');
  const int exponent = d.exponent - 1;
  std::string exponentDigits = std::to_string(std::abs(exponent));
  exponentDigits.insert(0, 4 - std::min<std::size_t>(4, exponentDigits.size()), '0');
  return (d.negative ? "-" : "") + d.digits.substr(0, 1) + decimal + d.digits.substr(1) + "E" +
         (exponent < 0 ? "-" : "+") + exponentDigits;
}

// The decimals a text without exponent part shows: as many as it has after
// its first separator, but none past its 18th character. Rounding to fewer
// than none would wipe out integer digits the text really has.
int ShownDecimals(std::string_view s, char decimal) {
  const int length = static_cast<int>(s.size());
  const std::size_t found = s.find(decimal);
  const int p = found == std::string_view::npos ? length : static_cast<int>(found) + 1;
  return std::max(0, std::min(length, MaxShownLength) - p);
}

// d rounded to `decimals` fraction digits, its integer digits grouped or not.
std::string FixedForm(const engine::Decimal& d, int decimals, bool thouSep,
                      const engine::NumberSeparators& separators) {
  const engine::Decimal rounded = engine::RoundedTo(d, d.exponent + decimals);
  return (d.negative ? "-" : "") + engine::FixedDigits(rounded, decimals, separators.decimal,
                                                       thouSep ? &separators.thousands : nullptr);
}

} // namespace

std::string FormatDisplayText(std::string_view s, bool thouSep,
                              const engine::NumberSeparators& separators) {
  const char decimal = separators.decimal;
  const Extended x = engine::TextToNumber(s, decimal);
  if (x == 0) return s.find(decimal) != std::string_view::npos ? std::string(s) : "0";
  const engine::Decimal exact = engine::ToDecimal18(x);
  const Extended magnitude = std::fabs(x);
  if (magnitude <= LowerBound || magnitude >= UpperBound) return ExponentForm(exact, decimal);
  if (s.find_first_of("Ee") == std::string_view::npos)
    return FixedForm(exact, ShownDecimals(s, decimal), thouSep, separators);
  // The digits NumberToText keeps, shown as if the user had typed them out.
  const engine::Decimal kept = engine::GeneralDigits(exact);
  return FixedForm(kept, ShownDecimals(engine::FixedNotation(kept, decimal), decimal), thouSep,
                   separators);
}

std::string DisplayTextOf(std::string_view value, bool thouSep,
                          const engine::NumberSeparators& separators) {
  return FormatDisplayText(engine::RemoveNonNumber(value, separators.decimal), thouSep, separators);
}

} // namespace display
