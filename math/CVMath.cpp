#include "math/CVMath.h"

#include "math/CVMathConst.h"
#include "math/FloatEnv.h"

#include <cmath>

namespace CVMath {

namespace {
// log10(e) and log2(e), correctly rounded, turn the natural log1p into the
// 1+y forms of the decimal and binary logarithms.
constexpr Extended Log10OfE = FromBits(0x3FFD, 0xDE5BD8A937287195);
constexpr Extended Log2OfE = FromBits(0x3FFF, 0xB8AA3B295C17F0BC);

Extended NaturalLogOnePlus(Extended y) {
  return FloatEnv::TrapUnary(std::log1p(y), y, y == -1);
}

[[noreturn]] void Refuse(const char* message) {
  throw EMathError(message);
}

// Lg and Lb share one algorithm and differ in their primitives.
Extended GuardedLog(Extended x, Extended (*raw)(Extended), Extended (*onePlus)(Extended)) {
  if (!IsPositiveValue(x)) Refuse(CVMathConst::SNegativValue);
  const Extended y = x - 1;
  if (std::fabs(y) < NearOneWindow) return onePlus(y);
  return raw(x);
}
} // namespace

bool IsNegligible(Extended x) {
  return std::fabs(x) < MinMagnitude;
}

bool IsPositiveValue(Extended x) {
  return x >= MinMagnitude;
}

Extended Add(Extended a, Extended b) {
  const Extended headroom = MaxMagnitude - std::fabs(b);
  if (headroom > std::fabs(a)) return a + b;
  Refuse(CVMathConst::SOverflow);
}

Extended Subtract(Extended a, Extended b) {
  if (a == b) return 0;
  if (IsNegligible(a)) return -b;
  if (IsNegligible(b)) return a;
  return FloatEnv::Minus(a, b);
}

Extended Multiply(Extended a, Extended b) {
  if (IsNegligible(a) || IsNegligible(b)) return 0;
  const Extended magnitudeA = std::fabs(a);
  if (magnitudeA > 1) {
    if (MaxMagnitude / magnitudeA > std::fabs(b)) return a * b;
  } else if (MinMagnitude / magnitudeA < std::fabs(b)) {
    return a * b;
  }
  Refuse(CVMathConst::SOverflow);
}

// Mirrors Multiply: the quotient is admitted only while it stays strictly
// between MinMagnitude and MaxMagnitude, tested without forming it.
Extended Divide(Extended a, Extended b) {
  const bool tinyDivisor = IsNegligible(b);
  if (IsNegligible(a) && !tinyDivisor) return 0;
  if (!tinyDivisor) {
    const Extended magnitudeA = std::fabs(a);
    const Extended magnitudeB = std::fabs(b);
    const bool admitted = magnitudeB < 1 ? magnitudeA < MaxMagnitude * magnitudeB
                                         : magnitudeA > MinMagnitude * magnitudeB;
    if (admitted) return a / b;
  }
  Refuse(CVMathConst::SDivisionByZero);
}

Extended Reciprocal(Extended x) {
  return Divide(1, x);
}

Extended Square(Extended x) {
  return Multiply(x, x);
}

Extended Cube(Extended x) {
  return Multiply(x, Multiply(x, x));
}

Extended SquareRoot(Extended x) {
  if (x < 0) Refuse(CVMathConst::SNegativValue);
  return std::sqrt(x);
}

// A negative base has a real power only for a whole exponent, whose parity
// gives the sign; every Extended from 2^64 on is even.
Extended Power(Extended base, Extended exponent) {
  if (base == 0) return exponent == 0 ? 1 : 0;
  const bool negative = base < 0;
  if (negative && std::nearbyint(exponent) != exponent) Refuse(CVMathConst::SInvalidValue);
  const Extended magnitude = Exp(FloatEnv::Times(Ln(std::fabs(base)), exponent));
  return negative && std::fmod(exponent, 2) != 0 ? -magnitude : magnitude;
}

Extended Exp(Extended x) {
  if (std::fabs(x) > MaxExpArgument) Refuse(CVMathConst::SOverflow);
  return std::exp(x);
}

Extended Ln(Extended x) {
  return LogBase(ENumber, x);
}

Extended Lg(Extended x) {
  return GuardedLog(x, LgRaw, LgOnePlus);
}

Extended Lb(Extended x) {
  return GuardedLog(x, LbRaw, LbOnePlus);
}

Extended LogBase(Extended base, Extended x) {
  if (!IsPositiveValue(x)) Refuse(CVMathConst::SNegativValue);
  if (!IsPositiveValue(base)) Refuse(CVMathConst::SNegativValue);
  return Divide(Lb(x), Lb(base));
}

Extended LgRaw(Extended x) {
  return FloatEnv::TrapUnary(std::log10(x), x, x == 0);
}

Extended LgOnePlus(Extended y) {
  return FloatEnv::Times(Log10OfE, NaturalLogOnePlus(y));
}

Extended LbRaw(Extended x) {
  return FloatEnv::TrapUnary(std::log2(x), x, x == 0);
}

Extended LbOnePlus(Extended y) {
  return FloatEnv::Times(Log2OfE, NaturalLogOnePlus(y));
}

} // namespace CVMath
