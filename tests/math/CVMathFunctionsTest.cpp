#include "MathCases.h"
#include "math/CVMath.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <typeinfo>

namespace {

using namespace CVMath;

constexpr Extended Pi = std::numbers::pi_v<Extended>; // correctly rounded
const Extended BelowMaxAngle = std::nextafter(MaxAngle, 0.0L);

TEST(CVMathFunctions, ConstantsHaveTheirBits) {
  EXPECT_EQ(ToBits(PiNumber), (ExtendedBits{0x4000, 0xC90FDAA22168C234}));
  EXPECT_EQ(ToBits(HalfPiNumber), (ExtendedBits{0x3FFF, 0xC90FDAA22168C234}));
  EXPECT_EQ(ToBits(MaxAngle), (ExtendedBits{0x403E, 0x8000000000000000}));
  EXPECT_EQ(ToBits(OneThird), (ExtendedBits{0x3FFD, 0xAAAAAAAAAAAAAAAB}));
  EXPECT_EQ(MaxFactorialArgument, 1754);
  // Pi is truncated: one unit below the correctly rounded value, whose
  // significand ends in ...C235. MaxAngle is 2^63 and OneThird the nearest.
  EXPECT_EQ(ToBits(Pi).significand, 0xC90FDAA22168C235);
  EXPECT_EQ(PiNumber, std::nextafter(Pi, 0.0L));
  EXPECT_EQ(HalfPiNumber, PiNumber / 2);
  EXPECT_EQ(MaxAngle, std::ldexp(1.0L, 63));
  EXPECT_EQ(OneThird, 1.0L / 3);
  EXPECT_EQ(PiValue(), PiNumber);
}

TEST(CVMathFunctions, Factorial) {
  const Extended twentyFactorial = 2432902008176640000.0L; // exact in 64 bits
  CheckAll({
      Call(
          "0!", [] { return Factorial(0); }, 1),
      Call(
          "1!", [] { return Factorial(1); }, 1),
      Call(
          "5!", [] { return Factorial(5); }, 120),
      Call(
          "20!", [] { return Factorial(20); }, twentyFactorial),
      // Only whole numbers from 0 have a factorial; the upper limit comes
      // first.
      Fails(
          "(-7)!", [] { return Factorial(-7); }, "Invalid value"),
      Fails(
          "0.5! is not that of a rounded 0", [] { return Factorial(0.5L); }, "Invalid value"),
      Fails(
          "1.4!", [] { return Factorial(1.4L); }, "Invalid value"),
      Fails(
          "2.5!", [] { return Factorial(2.5L); }, "Invalid value"),
      Fails(
          "1753.6!", [] { return Factorial(1753.6L); }, "Invalid value"),
      Fails(
          "-1e19", [] { return Factorial(-1e19L); }, "Invalid value"),
      Fails(
          "1754.01", [] { return Factorial(1754.01L); }, "Overflow"),
      Fails(
          "1755", [] { return Factorial(1755); }, "Overflow"),
  });
  EXPECT_NEAR(static_cast<double>(Factorial(1754) / 1.9792e4930L), 1, 1e-4);
}

TEST(CVMathFunctions, Sign) {
  EXPECT_EQ(Sign(-0.5L), -1);
  EXPECT_EQ(Sign(-1e-4940L), -1);
  EXPECT_EQ(Sign(0), 0);
  EXPECT_EQ(Sign(-0.0L), 0);
  EXPECT_EQ(Sign(7), 1);
}

TEST(CVMathFunctions, ArcTg2IsExactOnTheAxes) {
  CheckAll({
      Call(
          "origin", [] { return ArcTg2(0, 0); }, 0),
      Call(
          "negative X axis", [] { return ArcTg2(-1, 0); }, PiNumber),
      Call(
          "negative Y axis", [] { return ArcTg2(0, -5); }, -HalfPiNumber),
      Call(
          "positive Y axis", [] { return ArcTg2(0, 5); }, HalfPiNumber),
      Call(
          "positive X axis", [] { return ArcTg2(3, 0); }, 0),
  });
  // Off the axes the library's arctangent decides, with its correctly rounded
  // pi: the quadrant follows the signs of both coordinates.
  EXPECT_EQ(ArcTg2Raw(-1, 0), Pi);
  ExpectClose(ArcTg2(1, 1), Pi / 4, "first quadrant");
  ExpectClose(ArcTg2(-1, 1), 3 * Pi / 4, "second quadrant");
  ExpectClose(ArcTg2(-1, -1), -3 * Pi / 4, "third quadrant");
  ExpectClose(ArcTg2(1, -1), -Pi / 4, "fourth quadrant");
}

TEST(CVMathFunctions, AngleLimit) {
  CheckAll({
      Call(
          "sin 2^63", [] { return Sin(MaxAngle); }, 0),
      Call(
          "sin -2^63", [] { return Sin(-MaxAngle); }, 0),
      Call(
          "cos 2^63", [] { return Cos(MaxAngle); }, 0),
      Fails(
          "tg 2^63", [] { return Tg(MaxAngle); }, "Angle Magnitude too large"),
      Fails(
          "tg -2^63", [] { return Tg(-MaxAngle); }, "Angle Magnitude too large"),
      Fails(
          "ctg 2^63", [] { return Ctg(MaxAngle); }, "Angle Magnitude too large"),
      Fails(
          "sec 2^63", [] { return Sec(MaxAngle); }, "Invalid value"),
      Fails(
          "cosec 2^63", [] { return Cosec(MaxAngle); }, "Invalid value"),
  });
  EXPECT_TRUE(std::isfinite(Tg(BelowMaxAngle)));
  EXPECT_TRUE(std::isfinite(Ctg(-BelowMaxAngle)));
  EXPECT_NE(Sin(BelowMaxAngle), 0);
  EXPECT_LE(std::fabs(Sin(BelowMaxAngle)), 1);
}

TEST(CVMathFunctions, ZeroDenominators) {
  CheckAll({
      Call(
          "sin 0", [] { return Sin(0); }, 0),
      Call(
          "cos 0", [] { return Cos(0); }, 1),
      Call(
          "tg 0", [] { return Tg(0); }, 0),
      Call(
          "sec 0", [] { return Sec(0); }, 1),
      Fails(
          "cosec 0", [] { return Cosec(0); }, "Invalid value"),
      Fails(
          "ctg 0", [] { return Ctg(0); }, "Floating point division by zero"),
      Fails(
          "ctg -0", [] { return Ctg(-0.0L); }, "Floating point division by zero"),
      Fails(
          "arcctg 0", [] { return ArcCtg(0); }, "Division by zero"),
  });
  // The cotangent's failure is the environment's zero-divide trap itself.
  try {
    CtgRaw(0);
    ADD_FAILURE() << "1 / tan 0 must trap";
  } catch (const EMathError& error) {
    EXPECT_EQ(typeid(error), typeid(EZeroDivide));
  }
}

TEST(CVMathFunctions, InverseTrigonometric) {
  CheckAll({
      Call(
          "arcsin 1", [] { return ArcSin(1); }, HalfPiNumber),
      Call(
          "arcsin -1", [] { return ArcSin(-1); }, -HalfPiNumber),
      Call(
          "arcsin 0", [] { return ArcSin(0); }, 0),
      Call(
          "arccos 1", [] { return ArcCos(1); }, 0),
      Call(
          "arccos -1", [] { return ArcCos(-1); }, PiNumber),
      Call(
          "arccos 0", [] { return ArcCos(0); }, HalfPiNumber),
      Call(
          "arcsin of a negligible", [] { return ArcSin(1e-4940L); }, 1e-4940L),
      Fails(
          "arcsin 1.0000001", [] { return ArcSin(1.0000001L); }, "Invalid value"),
      Fails(
          "arccos -1.0000001", [] { return ArcCos(-1.0000001L); }, "Invalid value"),
      Fails(
          "arcsin 1e-3000", [] { return ArcSin(1e-3000L); }, "Overflow"),
      Fails(
          "arccos 1e-3000", [] { return ArcCos(1e-3000L); }, "Overflow"),
  });
  EXPECT_NEAR(static_cast<double>(ArcSin(-0.9L)), -1.1197695149986342, 1e-15);
  EXPECT_NEAR(static_cast<double>(ArcCos(-0.9L)), 2.6905658417935309, 1e-15);
  EXPECT_NEAR(static_cast<double>(ArcSin(0.5L)), 0.5235987755982989, 1e-15);
  ExpectClose(ArcTg(1), Pi / 4, "arctg 1");
  ExpectClose(ArcCtg(-1), -Pi / 4, "arcctg -1 stays in (-pi/2, pi/2)");
  EXPECT_GT(ArcCtg(1e-30L), 0);
  EXPECT_LT(ArcCtg(-1e-30L), 0);
}

TEST(CVMathFunctions, Hyperbolic) {
  CheckAll({
      Call(
          "sh 0", [] { return Sh(0); }, 0),
      Call(
          "ch 0", [] { return Ch(0); }, 1),
      Call(
          "th 0", [] { return Th(0); }, 0),
      Call(
          "sech 0", [] { return Sech(0); }, 1),
      Call(
          "sh of a tiny argument cancels", [] { return Sh(1e-30L); }, 0),
      Fails(
          "cosech 0", [] { return Cosech(0); }, "Invalid value"),
      Fails(
          "cth 0", [] { return Cth(0); }, "Division by zero"),
      Fails(
          "ch 11356.5", [] { return Ch(11356.5L); }, "Overflow"),
      Fails(
          "sh -11356.5", [] { return Sh(-11356.5L); }, "Overflow"),
      Fails(
          "th beyond the exponential's range", [] { return Th(20000); }, "Overflow"),
      // 1/ch 11356 is about 1.4e-4932, below MinMagnitude: the reciprocal refuses.
      Fails(
          "sech 11356", [] { return Sech(11356); }, "Division by zero"),
  });
  EXPECT_NEAR(static_cast<double>(Ch(11356) / 3.525e4931L), 1, 1e-3);
  EXPECT_NEAR(static_cast<double>(Sh(1)), 1.1752011936438014, 1e-15);
  EXPECT_NEAR(static_cast<double>(Cth(1)), 1.3130352854993313, 1e-15);
  EXPECT_EQ(Th(-30), -1);
}

TEST(CVMathFunctions, InverseHyperbolic) {
  CheckAll({
      Call(
          "arsh 0", [] { return ArSh(0); }, 0),
      Call(
          "arch 1", [] { return ArCh(1); }, 0),
      Call(
          "arth 0", [] { return ArTh(0); }, 0),
      Fails(
          "arsh -1e10 cancels to 0", [] { return ArSh(-1e10L); }, "Negativ value"),
      Fails(
          "arsh 1e-3000", [] { return ArSh(1e-3000L); }, "Overflow"),
      Fails(
          "arch 0.5", [] { return ArCh(0.5L); }, "Negativ value"),
      Fails(
          "arch -2", [] { return ArCh(-2); }, "Negativ value"),
      Fails(
          "arch 1e2470", [] { return ArCh(1e2470L); }, "Overflow"),
      Fails(
          "arth 1", [] { return ArTh(1); }, "Invalid value"),
      Fails(
          "arth -1", [] { return ArTh(-1); }, "Invalid value"),
      Fails(
          "arth 2", [] { return ArTh(2); }, "Invalid value"),
      Fails(
          "arcth 0", [] { return ArCth(0); }, "Invalid value"),
      Fails(
          "arcth 1", [] { return ArCth(1); }, "Invalid value"),
      Fails(
          "arcth -1", [] { return ArCth(-1); }, "Invalid value"),
      Fails(
          "arcth 0.5", [] { return ArCth(0.5L); }, "Invalid value"),
  });
  EXPECT_NEAR(static_cast<double>(ArCth(2)), 0.5493061443340548, 1e-15);
  EXPECT_NEAR(static_cast<double>(ArCth(-2)), -0.5493061443340548, 1e-15);
  EXPECT_NEAR(static_cast<double>(ArTh(-0.5L)), -0.5493061443340548, 1e-15);
}

TEST(CVMathFunctions, CubeRoot) {
  CheckAll({
      Call(
          "0", [] { return CubeRoot(0); }, 0),
      Fails(
          "a negligible", [] { return CubeRoot(1e-4940L); }, "Negativ value"),
  });
  ExpectClose(CubeRoot(-8), -2, "cube root of -8");
  ExpectClose(CubeRoot(27), 3, "cube root of 27");
}

} // namespace
