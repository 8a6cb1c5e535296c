// The trigonometric functions in degrees, grads and turns: exact where the
// angle is a multiple of a quarter turn (or the argument of an inverse the
// rounded value at a multiple of 15 degrees), and close to the values that
// make_angle_unit_reference.py computed independently everywhere else.

#include "math/AngleUnits.h"
#include "MathCases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

namespace {

using namespace CVMath;

using UnitFunction = Extended (*)(const AngleUnit&, Extended);

TEST(AngleUnits, QuarterTurnsAreExact) {
  CheckAll({
      Call(
          "sin 180 degrees", [] { return SinIn(Degrees, 180); }, 0),
      Call(
          "cos 90 degrees", [] { return CosIn(Degrees, 90); }, 0),
      Call(
          "sin -90 degrees", [] { return SinIn(Degrees, -90); }, -1),
      Call(
          "cos 360 * 2^70 degrees", [] { return CosIn(Degrees, std::ldexp(360.0L, 70)); }, 1),
      Call(
          "sin 200 grads", [] { return SinIn(Grads, 200); }, 0),
      Call(
          "cos 300 grads", [] { return CosIn(Grads, 300); }, 0),
      Call(
          "sin half a turn", [] { return SinIn(Turns, 0.5L); }, 0),
      Call(
          "sin -0.75 turn", [] { return SinIn(Turns, -0.75L); }, 1),
      Call(
          "tan 180 degrees", [] { return TgIn(Degrees, 180); }, 0),
      Call(
          "cot 270 degrees", [] { return CtgIn(Degrees, 270); }, 0),
      Call(
          "sec 360 degrees", [] { return SecIn(Degrees, 360); }, 1),
      Call(
          "cosec 0.25 turn", [] { return CosecIn(Turns, 0.25L); }, 1),
      Fails(
          "tan 90 degrees", [] { return TgIn(Degrees, 90); }, "Invalid value"),
      Fails(
          "tan -100 grads", [] { return TgIn(Grads, -100); }, "Invalid value"),
      Fails(
          "cot 180 degrees", [] { return CtgIn(Degrees, 180); }, "Invalid value"),
      Fails(
          "cot 0 turns", [] { return CtgIn(Turns, 0); }, "Invalid value"),
      Fails(
          "sec 270 degrees", [] { return SecIn(Degrees, 270); }, "Invalid value"),
      Fails(
          "cosec 400 grads", [] { return CosecIn(Grads, 400); }, "Invalid value"),
  });
  // An exact zero has no sign.
  EXPECT_FALSE(std::signbit(SinIn(Degrees, -180)));
  EXPECT_FALSE(std::signbit(TgIn(Turns, -0.5L)));
}

// Multiples of 15 degrees give the correctly rounded value, and the inverse
// functions take that value back to the angle.
TEST(AngleUnits, FifteenDegreeStepsRoundTrip) {
  EXPECT_EQ(SinIn(Degrees, 30), 0.5L);
  EXPECT_EQ(CosIn(Degrees, 60), 0.5L);
  EXPECT_EQ(TgIn(Degrees, 45), 1);
  EXPECT_EQ(CtgIn(Degrees, -45), -1);
  EXPECT_EQ(TgIn(Grads, 50), 1);
  EXPECT_EQ(TgIn(Turns, 0.125L), 1);
  const std::map<std::string, std::pair<UnitFunction, UnitFunction>> pairs = {
      {"sine", {SinIn, ArcSinIn}},
      {"cosine", {CosIn, ArcCosIn}},
      {"tangent", {TgIn, ArcTgIn}},
      {"cotangent", {CtgIn, ArcCtgIn}},
  };
  for (const auto& [name, functions] : pairs)
    for (int step = 1; step < 6; ++step) {
      const Extended angle = 15 * step;
      EXPECT_EQ(functions.second(Degrees, functions.first(Degrees, angle)), angle)
          << name << " of " << static_cast<int>(angle) << " degrees";
    }
  CheckAll({
      Call(
          "arcsin 1 in degrees", [] { return ArcSinIn(Degrees, 1); }, 90),
      Call(
          "arcsin -0.5 in degrees", [] { return ArcSinIn(Degrees, -0.5L); }, -30),
      Call(
          "arccos -1 in degrees", [] { return ArcCosIn(Degrees, -1); }, 180),
      Call(
          "arccos -0.5 in degrees", [] { return ArcCosIn(Degrees, -0.5L); }, 120),
      Call(
          "arctan 1 in grads", [] { return ArcTgIn(Grads, 1); }, 50),
      Call(
          "arctan -1 in turns", [] { return ArcTgIn(Turns, -1); }, -0.125L),
      Call(
          "arccos 0 in turns", [] { return ArcCosIn(Turns, 0); }, 0.25L),
      Call(
          "arccot 1 in degrees", [] { return ArcCtgIn(Degrees, 1); }, 45),
      // 30 degrees are a twelfth of a turn, which turns hold only rounded.
      Call(
          "arcsin 0.5 in turns", [] { return ArcSinIn(Turns, 0.5L); }, 1.0L / 12),
      Fails(
          "arcsin 2", [] { return ArcSinIn(Degrees, 2); }, "Invalid value"),
      Fails(
          "arccot 0", [] { return ArcCtgIn(Degrees, 0); }, "Division by zero"),
  });
}

struct ReferenceRow {
  const char* function;
  const char* unit;
  ExtendedBits x;
  ExtendedBits expected;
  double residual; // exact minus expected, in ulps of expected
};

const ReferenceRow Reference[] = {
#include "AngleUnitReference.inc"
};

// The remainder's conversion to radians, the rounded factor and the radian
// function each add up to about half an ulp or one. Measured worst: 1.52 ulps
// for the forward functions (a tangent in grads), 2.21 for the inverses (an
// arccosine in degrees, whose radian function alone is allowed 2).
constexpr double BoundInUlps = 2.5;

TEST(AngleUnits, ReferenceTable) {
  const std::map<std::string, UnitFunction> functions = {
      {"SinIn", SinIn},       {"CosIn", CosIn},       {"TgIn", TgIn},
      {"ArcSinIn", ArcSinIn}, {"ArcCosIn", ArcCosIn}, {"ArcTgIn", ArcTgIn},
  };
  const std::map<std::string, const AngleUnit*> units = {
      {"Degrees", &Degrees}, {"Grads", &Grads}, {"Turns", &Turns}};
  for (const ReferenceRow& row : Reference) {
    const Extended x = FromBits(row.x.signExponent, row.x.significand);
    const Extended expected = FromBits(row.expected.signExponent, row.expected.significand);
    const Extended got = functions.at(row.function)(*units.at(row.unit), x);
    const Extended ulp = std::ldexp(1.0L, std::ilogb(expected) - 63);
    const auto error = static_cast<double>(std::fabs((got - expected) / ulp - row.residual));
    EXPECT_LE(error, BoundInUlps) << row.function << " in " << row.unit << " of "
                                  << static_cast<double>(x);
  }
}

} // namespace
