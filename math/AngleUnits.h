#pragma once
// Trigonometry in the angle units with a whole number of units to the turn:
// degrees (360), grads (400) and turns (1). The argument is reduced exactly
// in its own unit, first modulo a full turn and then to the nearest quarter
// turn, and only the remainder (at most an eighth of a turn) is converted to
// radians. So a multiple of a quarter turn gives an exact 0, 1 or -1, or
// "Invalid value" at a pole, and a multiple of 15 degrees gives the
// correctly rounded value. The inverse functions give the angle itself, as
// exactly as the unit can hold it, where the argument is the correctly
// rounded sine, cosine or tangent of a multiple of 15 degrees; elsewhere they
// convert the radian result of CVMath.
//   SinIn(Degrees, 180) -> 0      CosIn(Degrees, 90) -> 0      SinIn(Degrees, 30) -> 0.5
//   SinIn(Grads, 200) -> 0        SinIn(Turns, 0.5) -> 0       SinIn(Degrees, 6e20) -> -0.866...
//   TgIn(Degrees, 90), CtgIn(Degrees, 180), SecIn(Degrees, 90) -> "Invalid value"
//   ArcSinIn(Degrees, 0.5) -> 30  ArcTgIn(Grads, 1) -> 50     ArcCosIn(Turns, -1) -> 0.5
//   ArcSinIn(Degrees, 2) -> "Invalid value" (as ArcSin)

#include "math/Extended.h"

namespace CVMath {

struct AngleUnit {
  Extended fullTurn;    // units to the turn, a whole number or 1
  Extended toRadians;   // radians per unit
  Extended fromRadians; // units per radian, or, with divideBack, the divisor
  bool divideBack;
};

// The factors are the correctly rounded pi/180, 180/pi, pi/200, 200/pi and
// 2 pi (not twice PiNumber); turns divide by 2 pi on the way back instead of
// multiplying by a rounded reciprocal.
inline constexpr AngleUnit Degrees{360, FromBits(0x3FF9, 0x8EFA351294E9C8AE),
                                   FromBits(0x4004, 0xE52EE0D31E0FBDC3), false};
inline constexpr AngleUnit Grads{400, FromBits(0x3FF9, 0x80ADFC90B938CE36),
                                 FromBits(0x4004, 0xFEA5DD5C5A4A6111), false};
inline constexpr AngleUnit Turns{1, FromBits(0x4001, 0xC90FDAA22168C235),
                                 FromBits(0x4001, 0xC90FDAA22168C235), true};

Extended SinIn(const AngleUnit& unit, Extended x);
Extended CosIn(const AngleUnit& unit, Extended x);
Extended TgIn(const AngleUnit& unit, Extended x);
Extended CtgIn(const AngleUnit& unit, Extended x);
Extended SecIn(const AngleUnit& unit, Extended x);
Extended CosecIn(const AngleUnit& unit, Extended x);

Extended ArcSinIn(const AngleUnit& unit, Extended x);
Extended ArcCosIn(const AngleUnit& unit, Extended x);
Extended ArcTgIn(const AngleUnit& unit, Extended x);
// ArcCtgIn(Degrees, 0) -> "Division by zero", as ArcCtg(0).
Extended ArcCtgIn(const AngleUnit& unit, Extended x);

} // namespace CVMath
