#include "engine/NumberText.h"

#include "engine/Decimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <utility>

namespace engine {

namespace {

NumberSeparators& Separators() {
  static NumberSeparators separators;
  return separators;
}

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::string ScientificText(const Decimal& d, char separator) {
  std::string text = (d.negative ? "-" : "") + std::string(1, d.digits[0]);
  if (d.digits.size() > 1) text += separator + d.digits.substr(1);
  return text + "E" + std::to_string(d.exponent - 1);
}

// The longest significand kept when reading: every halfway point between two
// Extended numbers has fewer significant digits (about 11,520 at most), so
// cutting there and marking the cut with a sticky digit keeps the rounding
// exact while the work stays linear in the text.
constexpr std::size_t MaxSignificantDigits = 12000;

// Powers of ten that Extended holds exactly: 10^27 = 5^27 * 2^27 and 5^27 < 2^64.
constexpr int MaxExactPowerOfTen = 27;
constexpr auto ExactPowersOfTen = [] {
  std::array<Extended, MaxExactPowerOfTen + 1> powers{};
  Extended power = 1;
  for (Extended& p : powers) {
    p = power;
    power *= 10;
  }
  return powers;
}();

// Digits of a number text being read: value = significand x 10^scale.
class DigitReader {
public:
  void Integer(char digit) {
    if (FSignificand.empty() && digit == '0') return;
    if (!Keep(digit)) ++FScale;
  }
  void Fraction(char digit) {
    if (FSignificand.empty() && digit == '0') {
      --FScale;
      return;
    }
    if (Keep(digit)) --FScale;
  }
  // The digits times 10^exponent, correctly rounded; nothing on overflow.
  // Consumes the digits: they become the text handed to strtold.
  std::optional<Extended> Finish(long long exponent) {
    if (FSignificand.empty()) return 0;
    // The number lies below 10^leadingPosition and at or above a tenth of it.
    const long long leadingPosition =
        FScale + exponent + static_cast<long long>(FSignificand.size());
    if (leadingPosition > 4940) return std::nullopt;
    if (leadingPosition < -4960) return 0;
    long long textScale = FScale + exponent;
    // Up to 19 digits are an exact integer and the power of ten is exact, so
    // one multiplication or division rounds correctly: no need for strtold.
    if (!FSticky && FSignificand.size() <= 19 && std::llabs(textScale) <= MaxExactPowerOfTen) {
      std::uint64_t digits = 0;
      std::from_chars(FSignificand.data(), FSignificand.data() + FSignificand.size(), digits);
      const Extended power = ExactPowersOfTen[std::size_t(std::llabs(textScale))];
      return textScale < 0 ? digits / power : digits * power;
    }
    if (FSticky) {
      FSignificand += '1';
      --textScale;
    }
    char suffix[24] = {'e'};
    const auto end = std::to_chars(suffix + 1, suffix + sizeof suffix, textScale).ptr;
    FSignificand.append(suffix, end);
    const Extended value = std::strtold(FSignificand.c_str(), nullptr);
    if (std::isinf(value)) return std::nullopt;
    return value;
  }

private:
  bool Keep(char digit) {
    if (FSignificand.size() < MaxSignificantDigits) {
      FSignificand += digit;
      return true;
    }
    FSticky = FSticky || digit != '0';
    return false;
  }

  std::string FSignificand;
  long long FScale = 0;
  bool FSticky = false;
};

} // namespace

const NumberSeparators& CurrentSeparators() {
  return Separators();
}

void SetCurrentSeparators(NumberSeparators separators) {
  Separators() = std::move(separators);
}

NumberSeparators SeparatorsFrom(std::string_view decimal, std::string_view thousands) {
  NumberSeparators separators;
  if (decimal.size() == 1) separators.decimal = decimal[0];
  if (!thousands.empty()) separators.thousands = thousands;
  if (separators.thousands == std::string_view(&separators.decimal, 1)) separators.thousands = "";
  return separators;
}

std::string RemoveNonNumber(std::string_view text, char decimalSeparator) {
  std::string kept;
  kept.reserve(text.size());
  for (char c : text) {
    if (IsDigit(c) || c == '+' || c == '-' || c == 'E' || c == 'e' || c == decimalSeparator)
      kept += c;
  }
  return kept;
}

std::string NumberToText(Extended x, char decimalSeparator) {
  const ExtendedBits bits = ToBits(x);
  const bool negative = (bits.signExponent & 0x8000) != 0;
  if ((bits.signExponent & 0x7FFF) == 0) return "0";
  if (std::isnan(x)) return "NAN";
  if (std::isinf(x)) return negative ? "-INF" : "INF";
  const Decimal d = GeneralDigits(ToDecimal18(x));
  const bool fixed = d.exponent >= -3 && d.exponent <= 15;
  return fixed ? FixedNotation(d, decimalSeparator) : ScientificText(d, decimalSeparator);
}

std::optional<Extended> TryTextToNumber(std::string_view text, char decimalSeparator) {
  const std::size_t n = text.size();
  std::size_t i = 0;
  while (i < n && text[i] == ' ')
    ++i;
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';

  DigitReader digits;
  bool consumed = false;
  for (; i < n && IsDigit(text[i]); ++i, consumed = true)
    digits.Integer(text[i]);
  if (i < n && text[i] == decimalSeparator) {
    consumed = true;
    for (++i; i < n && IsDigit(text[i]); ++i)
      digits.Fraction(text[i]);
  }
  if (!consumed) return std::nullopt;

  long long exponent = 0;
  if (i < n && (text[i] == 'E' || text[i] == 'e')) {
    bool negativeExponent = false;
    if (++i < n && (text[i] == '+' || text[i] == '-')) negativeExponent = text[i++] == '-';
    // Reading stops once the exponent reaches 500; a digit left over then
    // makes the text fail below.
    for (; i < n && IsDigit(text[i]) && exponent < 500; ++i)
      exponent = exponent * 10 + (text[i] - '0');
    if (negativeExponent) exponent = -exponent;
  }
  while (i < n && text[i] == ' ')
    ++i;
  if (i != n) return std::nullopt;

  const std::optional<Extended> value = digits.Finish(exponent);
  if (!value) return std::nullopt;
  return negative ? -*value : *value;
}

Extended TextToNumber(std::string_view text, char decimalSeparator) {
  const std::optional<Extended> value = TryTextToNumber(text, decimalSeparator);
  if (!value)
    throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
  return *value;
}

std::string RemoveNonNumber(std::string_view text) {
  return RemoveNonNumber(text, CurrentSeparators().decimal);
}

std::string NumberToText(Extended x) {
  return NumberToText(x, CurrentSeparators().decimal);
}

Extended TextToNumber(std::string_view text) {
  return TextToNumber(text, CurrentSeparators().decimal);
}

std::optional<Extended> TryTextToNumber(std::string_view text) {
  return TryTextToNumber(text, CurrentSeparators().decimal);
}

} // namespace engine
