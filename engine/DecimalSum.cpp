#include "engine/DecimalSum.h"

#include "engine/Decimal.h"
#include "math/CVMath.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace engine {

namespace {

// Significant digits a decimal operand carries below its leading digit.
constexpr int CarriedDigits = 18;
// The decimal exponent of the smallest quantum a cancelled sum is rounded to.
constexpr int LowestQuantum = -4930;

// 10^power; only asked for powers inside the normal range.
Extended PowerOfTen(int power) {
  const std::string text = "1e" + std::to_string(power);
  Extended value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

// The sum of a and b rounded to a multiple of 10^(top - 17), top being the
// larger operand's leading decimal digit, when it cancelled: when its binary
// exponent is below the larger operand's.
Extended RoundCancelled(Extended sum, Extended a, Extended b) {
  const Extended larger = std::max(std::fabs(a), std::fabs(b));
  if (sum == 0 || !std::isfinite(sum) || std::ilogb(sum) >= std::ilogb(larger)) return sum;
  const int top = DecimalExponent(larger);
  const int quantum = top - (CarriedDigits - 1);
  // A quantum below 1e-4930 is left unrounded: near the bottom of the range
  // the rounded text would not read back whole.
  if (quantum < LowestQuantum) return sum;
  const int digits = DecimalExponent(std::fabs(sum)) - quantum + 1;
  if (digits < 1) {
    const Extended unit = PowerOfTen(quantum);
    return std::fabs(sum) > unit / 2 ? std::copysign(unit, sum) : 0;
  }
  char text[64];
  const char* end =
      std::to_chars(text, text + sizeof text, sum, std::chars_format::scientific, digits - 1).ptr;
  Extended rounded = sum;
  if (std::from_chars(text, end, rounded).ec != std::errc()) return sum;
  return rounded == 0 ? 0 : rounded;
}

} // namespace

Extended DecimalAdd(Extended a, Extended b) {
  return RoundCancelled(CVMath::Add(a, b), a, b);
}

Extended DecimalSubtract(Extended a, Extended b) {
  return RoundCancelled(CVMath::Subtract(a, b), a, -b);
}

} // namespace engine
