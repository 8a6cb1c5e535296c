// The trigonometric, hyperbolic and special functions. Each follows its
// composition step by step: which guarded operation refuses first decides the
// message the user sees, so the guarded and the plain (FloatEnv) operations
// are not interchangeable even where they would compute the same number.

#include "math/CVMath.h"

#include "math/CVMathConst.h"
#include "math/FloatEnv.h"

#include <cmath>

namespace CVMath {

namespace {

using FloatEnv::Minus;
using FloatEnv::Over;
using FloatEnv::Plus;
using FloatEnv::Times;

[[noreturn]] void Refuse(const char* message) {
  throw EMathError(message);
}

// The shared part of ArcSin and ArcCos: the other leg sqrt(1 - x^2) of the
// right triangle with hypotenuse 1, after the domain test.
Extended OtherLeg(Extended x) {
  if (std::fabs(x) > 1) Refuse(CVMathConst::SInvalidValue);
  return SquareRoot(Minus(1, Square(x)));
}

// Sec, Cosec, Sech and Cosech: a reciprocal whose exact zero is refused here,
// before Divide could say "Division by zero".
Extended ReciprocalOf(Extended denominator) {
  if (denominator == 0) Refuse(CVMathConst::SInvalidValue);
  return Reciprocal(denominator);
}

// ArTh and ArCth differ only in the ratio; a ratio that is not positive
// means an argument outside the domain.
Extended HalfLnOfRatio(Extended numerator, Extended denominator) {
  const Extended ratio = Divide(numerator, denominator);
  if (!(ratio > 0)) Refuse(CVMathConst::SInvalidValue);
  return Over(Ln(ratio), 2);
}

} // namespace

// The root of the magnitude, signed: Power refuses a negative base with the
// exponent 1/3, which is not whole.
Extended CubeRoot(Extended x) {
  return Times(Sign(x), Power(std::fabs(x), OneThird));
}

// A factorial is defined for whole numbers only; rounding or truncating the
// argument would show the factorial of another number.
Extended Factorial(Extended x) {
  if (x > MaxFactorialArgument) Refuse(CVMathConst::SOverflow);
  if (x < 0 || std::nearbyint(x) != x) Refuse(CVMathConst::SInvalidValue);
  const auto n = static_cast<int>(x);
  Extended result = 1;
  for (int factor = 2; factor <= n; ++factor)
    result = Times(result, static_cast<Extended>(factor));
  return result;
}

Extended PiValue() {
  return PiNumber;
}

int Sign(Extended x) {
  if (x < 0) return -1;
  if (x == 0) return 0;
  return 1;
}

Extended ArcTg2(Extended X, Extended Y) {
  if (X == 0) {
    if (Y == 0) return 0;
    return Y > 0 ? HalfPiNumber : -HalfPiNumber;
  }
  if (Y == 0) return X > 0 ? 0 : PiNumber;
  return ArcTg2Raw(X, Y);
}

Extended Sin(Extended x) {
  if (std::fabs(x) >= MaxAngle) return 0;
  return FloatEnv::TrapUnary(std::sin(x), x);
}

Extended Cos(Extended x) {
  if (std::fabs(x) >= MaxAngle) return 0;
  return FloatEnv::TrapUnary(std::cos(x), x);
}

Extended Tg(Extended x) {
  if (!(MaxAngle > std::fabs(x))) Refuse(CVMathConst::SAngleTooLarge);
  return TgRaw(x);
}

Extended Ctg(Extended x) {
  if (!(MaxAngle > std::fabs(x))) Refuse(CVMathConst::SAngleTooLarge);
  return CtgRaw(x);
}

Extended Sec(Extended x) {
  return ReciprocalOf(Cos(x));
}

Extended Cosec(Extended x) {
  return ReciprocalOf(Sin(x));
}

// Below 1/sqrt(2) the angle comes from the point (b, x); above it, from the
// complement, where b is the smaller and better-conditioned side.
Extended ArcSin(Extended x) {
  const Extended b = OtherLeg(x);
  if (b >= std::fabs(x)) return ArcTg2(b, x);
  return Minus(Times(Sign(x), HalfPiNumber), ArcTg(Over(b, x)));
}

Extended ArcCos(Extended x) {
  const Extended b = OtherLeg(x);
  if (b >= std::fabs(x)) return Minus(HalfPiNumber, ArcTg2(b, x));
  const Extended angle = ArcTg(Over(b, x));
  return x < 0 ? Plus(angle, PiNumber) : angle;
}

Extended ArcTg(Extended x) {
  return FloatEnv::TrapUnary(std::atan(x), x);
}

Extended ArcCtg(Extended x) {
  return ArcTg(Reciprocal(x));
}

Extended Sh(Extended x) {
  const Extended up = Exp(x);
  return Over(Subtract(up, Exp(-x)), 2);
}

Extended Ch(Extended x) {
  const Extended up = Exp(x);
  return Over(Add(up, Exp(-x)), 2);
}

Extended Th(Extended x) {
  const Extended d = Ch(x);
  if (d == 0) Refuse(CVMathConst::SInvalidValue);
  return Divide(Sh(x), d);
}

Extended Cth(Extended x) {
  return Reciprocal(Th(x));
}

Extended Sech(Extended x) {
  return ReciprocalOf(Ch(x));
}

Extended Cosech(Extended x) {
  return ReciprocalOf(Sh(x));
}

Extended ArSh(Extended x) {
  return Ln(Add(x, SquareRoot(Add(Square(x), 1))));
}

Extended ArCh(Extended x) {
  return Ln(Add(x, SquareRoot(Subtract(Square(x), 1))));
}

Extended ArTh(Extended x) {
  if (x == 1) Refuse(CVMathConst::SInvalidValue);
  const Extended numerator = Add(1, x);
  return HalfLnOfRatio(numerator, Subtract(1, x));
}

Extended ArCth(Extended x) {
  if (x == 1) Refuse(CVMathConst::SInvalidValue);
  const Extended numerator = Add(x, 1);
  return HalfLnOfRatio(numerator, Subtract(x, 1));
}

Extended TgRaw(Extended x) {
  return FloatEnv::TrapUnary(std::tan(x), x);
}

Extended CtgRaw(Extended x) {
  return Over(1, TgRaw(x));
}

Extended ArcTg2Raw(Extended X, Extended Y) {
  return FloatEnv::Trap(std::atan2(Y, X), X, Y);
}

} // namespace CVMath
