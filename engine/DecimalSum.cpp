#include "engine/DecimalSum.h"

#include "engine/Decimal.h"
#include "math/CVMath.h"

#include <algorithm>
#include <cmath>

namespace engine {

namespace {

// Significant digits a decimal operand carries below its leading digit.
constexpr int CarriedDigits = 18;
// The decimal exponent of the smallest quantum a cancelled sum is rounded to.
constexpr int LowestQuantum = -4930;

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
  const Extended rounded = ToExtended(ToDecimal(sum, digits));
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
