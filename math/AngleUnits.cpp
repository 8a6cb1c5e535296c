#include "math/AngleUnits.h"

#include "math/CVMath.h"
#include "math/CVMathConst.h"
#include "math/FloatEnv.h"

#include <cmath>
#include <cstdlib>
#include <optional>
#include <span>

namespace CVMath {

namespace {

// A step is 15 degrees, a 24th of a turn; six make a quarter turn.
constexpr int StepsPerTurn = 24;
constexpr int StepsPerQuarter = 6;

// sin(15k degrees), k = 0 to 6, and tan(15k degrees), k = 0 to 5, correctly
// rounded (computed with mpmath at 300 bits).
constexpr Extended SinOfSteps[] = {
    0,
    FromBits(0x3FFD, 0x8483EE0C9834834C),
    0.5,
    FromBits(0x3FFE, 0xB504F333F9DE6484),
    FromBits(0x3FFE, 0xDDB3D742C265539E),
    FromBits(0x3FFE, 0xF746EA3A45F8A62A),
    1,
};
constexpr Extended TanOfSteps[] = {
    0, FromBits(0x3FFD, 0x8930A2F4F66AB18A), FromBits(0x3FFE, 0x93CD3A2C8198E269),
    1, FromBits(0x3FFF, 0xDDB3D742C265539E), FromBits(0x4000, 0xEED9EBA16132A9CF),
};

[[noreturn]] void Refuse(const char* message) {
  throw EMathError(message);
}

// k steps in the unit, correctly rounded: exact in degrees, and wherever the
// unit holds the angle exactly.
Extended Steps(const AngleUnit& unit, int k) {
  return k * unit.fullTurn / StepsPerTurn;
}

// An angle as a whole number of quarter turns (0 to 3) and a rest of at most
// an eighth of a turn either way, both exact; with the rest's sine, cosine
// and tangent.
struct QuarterAngle {
  int quarter;
  Extended rest;
  Extended sin, cos;
  std::optional<int> step; // the rest is this many steps, -3 to 3
};

// Both subtractions are exact: fmod is, and the rest and the whole quarter
// turns are multiples of the rest's last place.
QuarterAngle Reduce(const AngleUnit& unit, Extended x) {
  const Extended quarterTurn = unit.fullTurn / 4;
  const Extended withinTurn = std::fmod(x, unit.fullTurn);
  const Extended quarters = std::nearbyint(withinTurn / quarterTurn);
  QuarterAngle angle{};
  angle.rest = withinTurn - quarters * quarterTurn;
  angle.quarter = (static_cast<int>(quarters) % 4 + 4) % 4;
  const int k = static_cast<int>(std::nearbyint(angle.rest * StepsPerTurn / unit.fullTurn));
  if (angle.rest == Steps(unit, k)) {
    angle.step = k;
    const Extended sign = k < 0 ? -1 : 1;
    angle.sin = sign * SinOfSteps[std::abs(k)];
    angle.cos = SinOfSteps[StepsPerQuarter - std::abs(k)];
  } else {
    const Extended radians = FloatEnv::Times(angle.rest, unit.toRadians);
    angle.sin = Sin(radians);
    angle.cos = Cos(radians);
  }
  return angle;
}

// The rest's tangent; at most 1 in magnitude, so it never has a pole.
Extended TangentOfRest(const AngleUnit& unit, const QuarterAngle& angle) {
  if (!angle.step) return Tg(FloatEnv::Times(angle.rest, unit.toRadians));
  const int k = *angle.step;
  return k < 0 ? -TanOfSteps[-k] : TanOfSteps[k];
}

// An exact zero is always +0, whatever sign the reduction left it.
Extended Signless(Extended x) {
  return x == 0 ? 0 : x;
}

// 1/d, where an exact zero is a pole.
Extended ReciprocalAtPole(Extended d) {
  if (d == 0) Refuse(CVMathConst::SInvalidValue);
  return Reciprocal(d);
}

Extended FromRadians(const AngleUnit& unit, Extended y) {
  return unit.divideBack ? FloatEnv::Over(y, unit.fromRadians)
                         : FloatEnv::Times(y, unit.fromRadians);
}

// The k for which magnitude is table[k] exactly, from `first` on.
std::optional<int> StepOf(Extended magnitude, std::span<const Extended> table,
                          std::size_t first = 0) {
  for (std::size_t k = first; k < table.size(); ++k)
    if (table[k] == magnitude) return static_cast<int>(k);
  return std::nullopt;
}

Extended WithSignOf(Extended x, Extended magnitude) {
  return x < 0 ? -magnitude : magnitude;
}

} // namespace

Extended SinIn(const AngleUnit& unit, Extended x) {
  const QuarterAngle a = Reduce(unit, x);
  const Extended byQuarter[] = {a.sin, a.cos, -a.sin, -a.cos};
  return Signless(byQuarter[a.quarter]);
}

Extended CosIn(const AngleUnit& unit, Extended x) {
  const QuarterAngle a = Reduce(unit, x);
  const Extended byQuarter[] = {a.cos, -a.sin, -a.cos, a.sin};
  return Signless(byQuarter[a.quarter]);
}

// Past an odd number of quarter turns the tangent is minus the rest's
// cotangent.
Extended TgIn(const AngleUnit& unit, Extended x) {
  const QuarterAngle a = Reduce(unit, x);
  const Extended tangent = TangentOfRest(unit, a);
  if (a.quarter % 2 == 0) return Signless(tangent);
  return -ReciprocalAtPole(tangent);
}

Extended CtgIn(const AngleUnit& unit, Extended x) {
  const QuarterAngle a = Reduce(unit, x);
  const Extended tangent = TangentOfRest(unit, a);
  if (a.quarter % 2 == 0) return ReciprocalAtPole(tangent);
  return Signless(-tangent);
}

Extended SecIn(const AngleUnit& unit, Extended x) {
  return ReciprocalAtPole(CosIn(unit, x));
}

Extended CosecIn(const AngleUnit& unit, Extended x) {
  return ReciprocalAtPole(SinIn(unit, x));
}

Extended ArcSinIn(const AngleUnit& unit, Extended x) {
  if (const auto k = StepOf(std::fabs(x), SinOfSteps)) return WithSignOf(x, Steps(unit, *k));
  return FromRadians(unit, ArcSin(x));
}

// arccos x = a quarter turn - arcsin x.
Extended ArcCosIn(const AngleUnit& unit, Extended x) {
  if (const auto k = StepOf(std::fabs(x), SinOfSteps))
    return Steps(unit, StepsPerQuarter - (x < 0 ? -*k : *k));
  return FromRadians(unit, ArcCos(x));
}

Extended ArcTgIn(const AngleUnit& unit, Extended x) {
  if (const auto k = StepOf(std::fabs(x), TanOfSteps)) return WithSignOf(x, Steps(unit, *k));
  return FromRadians(unit, ArcTg(x));
}

// cot(15k degrees) = tan(15(6 - k) degrees); 0, whose arccotangent the
// radian function refuses, is left to it.
Extended ArcCtgIn(const AngleUnit& unit, Extended x) {
  if (const auto k = StepOf(std::fabs(x), TanOfSteps, 1))
    return WithSignOf(x, Steps(unit, StepsPerQuarter - *k));
  return FromRadians(unit, ArcCtg(x));
}

} // namespace CVMath
