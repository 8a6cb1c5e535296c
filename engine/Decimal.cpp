#include "engine/Decimal.h"

#include "engine/DecimalReading.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace engine {

namespace {

// The exponent of to_chars' scientific text "d.ddde+X".
int ExponentOf(std::string_view text) {
  const std::size_t e = text.find('e');
  int exponent = 0;
  std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                  exponent);
  return exponent;
}

} // namespace

Decimal ToDecimal18(Extended x) {
  const Extended magnitude = std::fabs(x);
  char buffer[64];
  // A whole number below 10^18 is its own digits, exactly: written as an
  // integer, without the multi-precision work of the general conversion
  // (a hundred times as long, and the value display's every key needs one).
  if (magnitude < 1e18L && magnitude == std::floor(magnitude)) {
    const auto whole = static_cast<unsigned long long>(magnitude);
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, whole).ptr;
    std::string digits(buffer, end);
    const int exponent = static_cast<int>(digits.size());
    digits.resize(18, '0');
    return {std::signbit(x), std::move(digits), exponent};
  }
  return ToDecimal(x, 18);
}

Decimal ToDecimal(Extended x, int count) {
  // d.ddd...e+X: count significant digits, correctly rounded.
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x),
                                    std::chars_format::scientific, count - 1);
  const std::string_view text(buffer, result.ptr);
  const std::size_t e = text.find('e');
  const std::string_view fraction = count > 1 ? text.substr(2, e - 2) : std::string_view();
  return {std::signbit(x), std::string(1, text[0]) + std::string(fraction), ExponentOf(text) + 1};
}

Extended ToExtended(const Decimal& d) {
  const Extended magnitude =
      DecimalToExtended(d.digits, d.exponent - static_cast<long long>(d.digits.size()));
  return d.negative ? -magnitude : magnitude;
}

Extended PowerOfTen(int power) {
  return DecimalToExtended("1", power);
}

// The shortest text that reads back as the number never rounds up to the
// next power of ten.
int DecimalExponent(Extended x) {
  char buffer[64];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x), std::chars_format::scientific);
  return ExponentOf(std::string_view(buffer, result.ptr));
}

Decimal RoundedTo(const Decimal& d, int count) {
  if (count >= static_cast<int>(d.digits.size())) return d;
  Decimal rounded{d.negative, {}, d.exponent};
  if (count < 0) return rounded;
  const auto kept = std::size_t(count);
  rounded.digits = d.digits.substr(0, kept);
  if (d.digits[kept] < '5') return rounded;
  // The carry runs back over the nines; past the first digit, it makes a "1".
  const std::size_t last = rounded.digits.find_last_not_of('9');
  if (last != std::string::npos) {
    std::fill(rounded.digits.begin() + std::ptrdiff_t(last) + 1, rounded.digits.end(), '0');
    ++rounded.digits[last];
  } else {
    rounded.digits = "1";
    ++rounded.exponent;
  }
  return rounded;
}

Decimal GeneralDigits(const Decimal& exact) {
  Decimal d = RoundedTo(exact, 15);
  d.digits.erase(d.digits.find_last_not_of('0') + 1);
  return d;
}

std::string FixedDigits(const Decimal& d, int decimals, char separator,
                        const std::string* thousands) {
  const int n = static_cast<int>(d.digits.size());
  // The digit at a place counted from the first digit; zero outside them.
  const auto digitAt = [&](int place) {
    return place >= 0 && place < n ? d.digits[std::size_t(place)] : '0';
  };
  std::string integer;
  for (int place = 0; place < d.exponent && n > 0; ++place) {
    if (thousands && place > 0 && (d.exponent - place) % 3 == 0) integer += *thousands;
    integer += digitAt(place);
  }
  std::string text = integer.empty() ? "0" : integer;
  if (decimals > 0) text += separator;
  for (int i = 0; i < decimals; ++i)
    text += digitAt(d.exponent + i);
  return text;
}

std::string FixedNotation(const Decimal& d, char separator) {
  const int decimals = std::max(0, static_cast<int>(d.digits.size()) - d.exponent);
  return (d.negative ? "-" : "") + FixedDigits(d, decimals, separator);
}

} // namespace engine
