#pragma once
// Decimal: a number as its decimal digits, the one value that number text
// and the displays both format from, so that every rounding and every
// placing of digits lives here. |x| = 0.d1d2...dn x 10^exponent with d1 not
// zero; no digits is zero.

#include "math/Extended.h"

#include <string>

namespace engine {

struct Decimal {
  bool negative = false;
  std::string digits;
  int exponent = 0;
};

// x correctly rounded to 18 significant digits (ties to even), the first
// step of every rounding of a number to text; trailing zeros are kept.
//   1234.5 -> {false, "123450000000000000", 4}   -1/3 -> {true, "333333333333333333", 0}
Decimal ToDecimal18(Extended x);

// x (finite, not zero) correctly rounded to `count` (1 to 18) significant
// digits, ties to even.
//   1234.5, 4 -> {false, "1234", 4}    1235.5, 4 -> {false, "1236", 4}    -0.25, 1 -> {true, "2",
//   0}
Decimal ToDecimal(Extended x, int count);

// The Extended nearest d (ties to even); an infinity beyond the range.
//   {false, "1", -2} -> 0.001    {true, "15", 1} -> -1.5    {false, "", 0} -> 0
Extended ToExtended(const Decimal& d);

// 10^power to nearest: PowerOfTen(-3) -> 0.001; PowerOfTen(5000) -> infinity.
Extended PowerOfTen(int power);

// e with 10^e <= |x| < 10^(e+1), exactly (no rounding of x first); x not zero.
//   9.5 -> 0    10 -> 1    0.0999 -> -2
int DecimalExponent(Extended x);

// d rounded to its first `count` significant digits, a 5 or more in the
// next digit rounding up; a carry out of the first digit gives "1" and
// raises the exponent. No digits remain for a count below zero, or for 0
// when the first digit is below 5.
//   {"123456", 3}, 4 -> {"1235", 3}    {"9996", 1}, 3 -> {"1", 2}    {"4", 0}, 0 -> {"", 0}
Decimal RoundedTo(const Decimal& d, int count);

// The 15 significant digits of the general number format, from the exact 18
// digits: a 5 or more in the 16th digit rounds up; no trailing zeros.
//   {"123456789012345650", 1} -> {"123456789012346", 1}   {"150000000000000000", 3} -> {"15", 3}
Decimal GeneralDigits(const Decimal& exact);

// d in fixed notation with exactly `decimals` fraction digits (cut or padded
// with zeros, not rounded), the integer digits grouped by `thousands` when it
// is given; no sign.
//   {"125", 2}, 1 -> "12.5"    {"125", 2}, 0 -> "12"    {"5", -3}, 4 -> "0.0005"
//   {"1234567", 7}, 0 with "," -> "1,234,567"    {"", 0}, 2 -> "0.00"
std::string FixedDigits(const Decimal& d, int decimals, char separator,
                        const std::string* thousands = nullptr);

// d in fixed notation with its sign and every digit it has.
//   {"125", 2} -> "12.5"   {true, "15", -5} -> "-0.0000015"   {"15", 4} -> "1500"
std::string FixedNotation(const Decimal& d, char separator);

} // namespace engine
