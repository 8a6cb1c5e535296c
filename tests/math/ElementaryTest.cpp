// The engine's own sine, cosine, tangent and exponential against reference
// values computed at 20,000 bits (KernelReference.inc, made by
// make_kernel_reference.py): arguments over the whole Extended range, the
// Extended numbers nearest a multiple of pi/2 for exponents up to 16383,
// and exponentials with denormal results.

#include "math/Elementary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <string>

namespace {

struct KernelRow {
  const char* function;
  ExtendedBits x;
  ExtendedBits expected;
  double residual; // exact minus expected, in ulps of expected
};

const KernelRow Reference[] = {
#include "KernelReference.inc"
};

using Kernel = Extended (*)(Extended);
const std::map<std::string, Kernel> Kernels = {
    {"Sin", Elementary::Sin},
    {"Cos", Elementary::Cos},
    {"Tan", Elementary::Tan},
    {"Exp", Elementary::Exp},
};

// The worst error each may have, in ulps of the exact value: half an ulp
// for the rounding plus what the polynomials and the reduction leave.
const std::map<std::string, double> Bounds = {
    {"Sin", 0.55},
    {"Cos", 0.55},
    {"Tan", 0.6},
    {"Exp", 0.51},
};

Extended Value(const ExtendedBits& bits) {
  return FromBits(bits.signExponent, bits.significand);
}

// The ulp of a rounded value: 2^-16445 for the denormals.
Extended UlpOf(const ExtendedBits& bits) {
  const int biased = std::max(bits.signExponent & 0x7FFF, 1);
  return std::ldexp(1.0L, biased - 16383 - 63);
}

TEST(Elementary, WithinTheirBoundsOfTheExactValue) {
  std::map<std::string, double> worst;
  for (const KernelRow& row : Reference) {
    const Extended got = Kernels.at(row.function)(Value(row.x));
    const double error = static_cast<double>(
        std::fabs((got - Value(row.expected)) / UlpOf(row.expected) - row.residual));
    worst[row.function] = std::max(worst[row.function], error);
    EXPECT_LE(error, Bounds.at(row.function))
        << row.function << "(" << static_cast<double>(Value(row.x)) << ")";
  }
  for (const auto& [function, error] : worst)
    RecordProperty(function, std::to_string(error));
  EXPECT_EQ(worst.size(), Kernels.size());
}

// An exact tie cannot occur for these functions, so a result that rounds
// correctly lies within half an ulp; the denormal exponentials must.
TEST(Elementary, DenormalExponentialsRoundOnce) {
  int denormals = 0;
  for (const KernelRow& row : Reference) {
    if (std::string(row.function) != "Exp" || (row.expected.signExponent & 0x7FFF) != 0) continue;
    ++denormals;
    EXPECT_EQ(ToBits(Elementary::Exp(Value(row.x))), row.expected)
        << static_cast<double>(Value(row.x));
  }
  EXPECT_GT(denormals, 20);
}

TEST(Elementary, SpecialArguments) {
  const Extended infinity = std::numeric_limits<Extended>::infinity();
  EXPECT_TRUE(std::isnan(Elementary::Sin(infinity)));
  EXPECT_TRUE(std::isnan(Elementary::Cos(-infinity)));
  EXPECT_TRUE(std::isnan(Elementary::Tan(infinity)));
  EXPECT_TRUE(std::signbit(Elementary::Sin(-0.0L)));
  EXPECT_EQ(Elementary::Cos(0), 1);
  EXPECT_EQ(Elementary::Exp(0), 1);
  EXPECT_EQ(Elementary::Exp(11357), infinity);
  EXPECT_EQ(Elementary::Exp(-11400), 0);
  EXPECT_TRUE(std::isnan(Elementary::Exp(std::numeric_limits<Extended>::quiet_NaN())));
}

} // namespace
