#include "math/CVMath.h"
#include "MathCases.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace {

using namespace CVMath;

TEST(CVMath, MagnitudeTests) {
  EXPECT_FALSE(IsNegligible(MinMagnitude));
  EXPECT_TRUE(IsNegligible(std::nextafter(MinMagnitude, 0.0L)));
  EXPECT_TRUE(IsNegligible(-3e-4932L));
  EXPECT_TRUE(IsPositiveValue(MinMagnitude));
  EXPECT_FALSE(IsPositiveValue(0));
  EXPECT_FALSE(IsPositiveValue(-5));
  EXPECT_FALSE(IsPositiveValue(3e-4932L));
}

TEST(CVMath, AddGuardsMagnitudesWhateverTheSigns) {
  const Case cases[] = {
      Call(
          "5e4931 + 5e4931", [] { return Add(5e4931L, 5e4931L); }, 5e4931L + 5e4931L),
      Fails(
          "1e4932 + 2e4931", [] { return Add(1e4932L, 2e4931L); }, "Overflow"),
      Fails(
          "1e4932 + -1e4932", [] { return Add(1e4932L, -1e4932L); }, "Overflow"),
      Fails(
          "headroom equal to a", [] { return Add(MaxMagnitude - 1e4931L, 1e4931L); }, "Overflow"),
      Call(
          "2 + 3", [] { return Add(2, 3); }, 5),
      Call(
          "-2.5 + 1", [] { return Add(-2.5L, 1); }, -1.5L),
  };
  for (const auto& c : cases)
    Check(c);
}

TEST(CVMath, SubtractHasExactShortcutsAndNoGuard) {
  const Case cases[] = {
      Call(
          "1e4932 - 1e4932", [] { return Subtract(1e4932L, 1e4932L); }, 0),
      Call(
          "x - x", [] { return Subtract(0.1L, 0.1L); }, 0),
      Call(
          "negligible - 5", [] { return Subtract(1e-4933L, 5); }, -5),
      Call(
          "5 - negligible", [] { return Subtract(5, 1e-4933L); }, 5),
      Call(
          "7 - 10", [] { return Subtract(7, 10); }, -3),
      Fails(
          "beyond the range", [] { return Subtract(1.1e4932L, -1.1e4932L); },
          "Floating point overflow"),
  };
  for (const auto& c : cases)
    Check(c);
  EXPECT_FALSE(std::signbit(Subtract(-0.5L, -0.5L)));
}

TEST(CVMath, MultiplyGuardsOverflowAndUnderflowWithOneMessage) {
  const Case cases[] = {
      Call(
          "0 * 1e4932", [] { return Multiply(0, 1e4932L); }, 0),
      Call(
          "1e4932 * negligible", [] { return Multiply(1e4932L, 1e-4940L); }, 0),
      Fails(
          "1e2500 * 1e2500", [] { return Multiply(1e2500L, 1e2500L); }, "Overflow"),
      Fails(
          "1e-2500 * 1e-2500", [] { return Multiply(1e-2500L, 1e-2500L); }, "Overflow"),
      Call(
          "2 * 3", [] { return Multiply(2, 3); }, 6),
      Call(
          "1 * 3.5e-4932", [] { return Multiply(1, 3.5e-4932L); }, 3.5e-4932L),
      Fails(
          "1 * MinMagnitude", [] { return Multiply(1, MinMagnitude); }, "Overflow"),
      Call(
          "1 * 3e-4932", [] { return Multiply(1, 3e-4932L); }, 0),
      Fails(
          "t equals b", [] { return Multiply(2, MaxMagnitude / 2); }, "Overflow"),
      Call(
          "-4 * 2.5", [] { return Multiply(-4, 2.5L); }, -10),
  };
  for (const auto& c : cases)
    Check(c);
}

TEST(CVMath, SquareAndCubeInheritTheMultiplyGuard) {
  const Case cases[] = {
      Fails(
          "square of 1.05e2466", [] { return Square(1.05e2466L); }, "Overflow"),
      Call(
          "square of 1.04e2466", [] { return Square(1.04e2466L); }, 1.04e2466L * 1.04e2466L),
      Fails(
          "square of 1.8e-2466", [] { return Square(1.8e-2466L); }, "Overflow"),
      Call(
          "square of 1.9e-2466", [] { return Square(1.9e-2466L); }, 1.9e-2466L * 1.9e-2466L),
      Fails(
          "square of MinMagnitude", [] { return Square(MinMagnitude); }, "Overflow"),
      Call(
          "square of a negligible", [] { return Square(3e-4932L); }, 0),
      Call(
          "cube of -2", [] { return Cube(-2); }, -8),
      Fails(
          "cube of 1e1700", [] { return Cube(1e1700L); }, "Overflow"),
  };
  for (const auto& c : cases)
    Check(c);
}

TEST(CVMath, DivideKeepsQuotientsInsideTheBounds) {
  const Case cases[] = {
      Call(
          "0 / 1", [] { return Divide(0, 1); }, 0),
      Call(
          "0 / 0.5", [] { return Divide(0, 0.5L); }, 0),
      Call(
          "0 / 2", [] { return Divide(0, 2); }, 0),
      Call(
          "6 / 3", [] { return Divide(6, 3); }, 2),
      Call(
          "1 / 4", [] { return Divide(1, 4); }, 0.25L),
      Call(
          "1 / 3 correctly rounded", [] { return Divide(1, 3); }, 1.0L / 3),
      Fails(
          "1 / 0", [] { return Divide(1, 0); }, "Division by zero"),
      Fails(
          "0 / 0", [] { return Divide(0, 0); }, "Division by zero"),
      Fails(
          "1 / negligible", [] { return Divide(1, 1e-4935L); }, "Division by zero"),
      Fails(
          "too large", [] { return Divide(1e4000L, 1e-1000L); }, "Division by zero"),
      Fails(
          "at MaxMagnitude", [] { return Divide(MaxMagnitude / 2, 0.5L); }, "Division by zero"),
      Call(
          "just below MaxMagnitude", [] { return Divide(1e4931L, 0.5L); }, 2e4931L),
      Fails(
          "too small", [] { return Divide(1e-4000L, 1e1000L); }, "Division by zero"),
      Fails(
          "at MinMagnitude", [] { return Divide(MinMagnitude * 2, 2); }, "Division by zero"),
      Call(
          "reciprocal of 8", [] { return Reciprocal(8); }, 0.125L),
      Fails(
          "reciprocal of 0", [] { return Reciprocal(0); }, "Division by zero"),
  };
  for (const auto& c : cases)
    Check(c);
}

TEST(CVMath, SquareRootPowerAndExp) {
  const Case cases[] = {
      Call(
          "sqrt 0", [] { return SquareRoot(0); }, 0),
      Call(
          "sqrt 4", [] { return SquareRoot(4); }, 2),
      Call(
          "sqrt 2", [] { return SquareRoot(2); }, std::sqrt(2.0L)),
      Fails(
          "sqrt -1e-4940", [] { return SquareRoot(-1e-4940L); }, "Negativ value"),
      Fails(
          "sqrt -4", [] { return SquareRoot(-4); }, "Negativ value"),
      Call(
          "0^0", [] { return Power(0, 0); }, 1),
      Call(
          "0^-1", [] { return Power(0, -1); }, 0),
      Call(
          "0^5", [] { return Power(0, 5); }, 0),
      Fails(
          "10^5000", [] { return Power(10, 5000); }, "Overflow"),
      Fails(
          "negligible base", [] { return Power(1e-4940L, 2); }, "Negativ value"),
      Fails(
          "exponent beyond the range", [] { return Power(10, 1e4932L); },
          "Floating point overflow"),
      // A negative base keeps its sign by the parity of a whole exponent
      // and has no real power for any other.
      Fails(
          "(-8)^(1/3)", [] { return Power(-8, OneThird); }, "Invalid value"),
      Fails(
          "(-2)^0.5", [] { return Power(-2, 0.5L); }, "Invalid value"),
      Fails(
          "(-10)^5000.5 is refused before it overflows", [] { return Power(-10, 5000.5L); },
          "Invalid value"),
      Fails(
          "(-10)^5001", [] { return Power(-10, 5001); }, "Overflow"),
      Call(
          "(-1)^(2^64) is even", [] { return Power(-1, 18446744073709551616.0L); }, 1),
      Call(
          "(-1)^(2^63 + 1) is odd", [] { return Power(-1, 9223372036854775809.0L); }, -1),
      Call(
          "exp 0", [] { return Exp(0); }, 1),
      Fails(
          "exp 11356.5", [] { return Exp(11356.5L); }, "Overflow"),
      Fails(
          "exp -11356.5", [] { return Exp(-11356.5L); }, "Overflow"),
  };
  for (const auto& c : cases)
    Check(c);
  EXPECT_NEAR(static_cast<double>(Exp(11356) / 7.05e4931L), 1.0, 1e-3);
  EXPECT_NEAR(static_cast<double>(Power(-2, 2)), 4, 1e-15);
  EXPECT_NEAR(static_cast<double>(Power(-2, 3)), -8, 1e-15);
  EXPECT_NEAR(static_cast<double>(Power(-2, -3)), -0.125, 1e-15);
  EXPECT_NEAR(static_cast<double>(Power(2, 10)), 1024, 1e-12);
}

TEST(CVMath, Logarithms) {
  ExpectClose(Lg(1000), 3, "lg 1000");
  ExpectClose(Lg(1.05L), std::log10(1.05L), "lg 1.05 (1+y form)");
  ExpectClose(Lg(1.1L), std::log10(1.1L), "lg 1.1");
  ExpectClose(Lb(8), 3, "lb 8");
  const Extended nearOne = 1 + 1e-10L;
  ExpectClose(Lb(nearOne), std::log1p(nearOne - 1) / std::log(2.0L), "lb near 1");
  ExpectClose(LogBase(2, 8), 3, "log2 8");
  ExpectClose(Ln(CVMath::ENumber), 1, "ln e");
  ExpectClose(Ln(10), std::log(10.0L), "ln 10");
  const Case cases[] = {
      Call(
          "ln 1", [] { return Ln(1); }, 0),
      Call(
          "lg 1", [] { return Lg(1); }, 0),
      Fails(
          "lg 0", [] { return Lg(0); }, "Negativ value"),
      Fails(
          "lg of a negligible", [] { return Lg(3e-4932L); }, "Negativ value"),
      Fails(
          "lb -1", [] { return Lb(-1); }, "Negativ value"),
      Fails(
          "ln 0", [] { return Ln(0); }, "Negativ value"),
      Fails(
          "log base -2", [] { return LogBase(-2, 8); }, "Negativ value"),
      Fails(
          "log of -8", [] { return LogBase(2, -8); }, "Negativ value"),
      Fails(
          "log base 1", [] { return LogBase(1, 8); }, "Division by zero"),
  };
  for (const auto& c : cases)
    Check(c);
}

TEST(CVMath, NearOneWindowIsStrict) {
  // 1.1 - 1 in Extended lies slightly above the window, so lg 1.1 is raw;
  // both forms agree to the last bits, which is what the switch is for.
  EXPECT_GT(1.1L - 1, NearOneWindow);
  EXPECT_LT(std::fabs(1.05L - 1), NearOneWindow);
  EXPECT_EQ(Lg(1.1L), LgRaw(1.1L));
  EXPECT_EQ(Lg(1.05L), LgOnePlus(1.05L - 1));
  EXPECT_EQ(Lb(0.95L), LbOnePlus(0.95L - 1));
}

} // namespace
