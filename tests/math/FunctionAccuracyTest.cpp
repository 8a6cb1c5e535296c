// The scientific functions against reference values computed independently
// at high precision (FunctionReference.inc, made by make_function_reference.py).
// An error is measured from the exact value, in units in the last place of
// the correctly rounded one.
//
// Each row belongs to a region of its function's domain. Where the
// composition keeps the result close, the region's bound is asserted: 2 ulps,
// or a little more where several rounded steps add up (the library's sine,
// cosine and exponential are themselves up to about 1 ulp off). Where the
// composition itself loses the result, the region is lossy: its error is
// documented below from dense samples (6000 to 30000 random arguments per
// range), and its rows only have to come out finite with the right sign.

#include "math/CVMath.h"
#include "tests/math/FunctionReference.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <map>
#include <set>
#include <string>

namespace {

using namespace CVMath;

using Evaluation = std::function<Extended(Extended, Extended)>;

#define UNARY(name)                                                                                \
  {                                                                                                \
#name, [](Extended x, Extended) { return name(x); }                                            \
  }
const std::map<std::string, Evaluation> Functions = {
    UNARY(Sin),
    UNARY(Cos),
    UNARY(Tg),
    UNARY(Ctg),
    UNARY(Sec),
    UNARY(Cosec),
    UNARY(ArcSin),
    UNARY(ArcCos),
    UNARY(ArcTg),
    UNARY(ArcCtg),
    UNARY(Sh),
    UNARY(Ch),
    UNARY(Th),
    UNARY(Cth),
    UNARY(Sech),
    UNARY(Cosech),
    UNARY(ArSh),
    UNARY(ArCh),
    UNARY(ArTh),
    UNARY(ArCth),
    UNARY(CubeRoot),
    UNARY(Factorial),
    {"ArcTg2", [](Extended x, Extended y) { return ArcTg2(x, y); }},
    {"PiValue", [](Extended, Extended) { return PiValue(); }},
};
#undef UNARY

// Regions whose error stays within a bound, in ulps.
const std::map<std::string, double> Bounds = {
    {"Sin/tiny", 2},
    {"Sin/unit", 2},
    {"Sin/wide", 2},
    {"Sin/huge", 2},
    {"Sin/half pi multiples", 2},
    {"Cos/tiny", 2},
    {"Cos/unit", 2},
    {"Cos/wide", 2},
    {"Cos/huge", 2},
    {"Cos/half pi multiples", 2},
    {"Tg/tiny", 2},
    {"Tg/unit", 2},
    {"Tg/wide", 2},
    {"Tg/huge", 2},
    {"Tg/half pi multiples", 2},
    {"Ctg/tiny", 2},
    {"Ctg/unit", 2},
    {"Ctg/wide", 2},
    {"Ctg/huge", 2},
    {"Ctg/half pi multiples", 2},
    {"Sec/tiny", 2},
    {"Sec/unit", 2},
    {"Sec/wide", 2},
    {"Sec/half pi multiples", 2},
    {"Cosec/tiny", 2},
    {"Cosec/unit", 2},
    {"Cosec/half pi multiples", 2},
    {"ArcSin/inner", 2},
    {"ArcCos/upper", 2},
    {"ArcTg/unit", 2},
    {"ArcTg/wide", 2},
    {"ArcCtg/unit", 2},
    {"ArcCtg/wide", 2},
    {"ArcTg2/plane", 2},
    {"ArcTg2/unit square", 2},
    {"ArcTg2/axes", 2},
    {"Sh/large", 2},
    {"Ch/all", 2},
    {"Cth/large", 2},
    {"ArSh/large", 2},
    {"ArCh/wide", 2},
    {"ArTh/outer", 2},
    {"ArCth/near one", 2},
    {"CubeRoot/near one", 2},
    {"Factorial/exact", 0},
    {"PiValue/constant", 2}, // the truncated pi is 0.77 ulps below pi
    // A reciprocal of the library's sine or cosine, which are up to 0.99 ulps
    // off for large angles; the reciprocal's rounding adds the rest.
    {"Sec/huge", 2.1},
    {"Cosec/wide", 2.2},
    {"Cosec/huge", 2.3},
    // Two exponentials, a sum and a quotient or reciprocal.
    {"Th/large", 2.5},
    {"Cosech/large", 2.6},
    {"Sech/all", 2.2},
    // 0.7071 < abs(x) < 0.99: HalfPiNumber is 0.77 ulps of pi/2 low, which is
    // 1.54 ulps of a result below 1 (abs(x) below sin 1).
    {"ArcSin/outer", 3.0},
};

// Regions where the composition loses the result, with the worst errors
// measured on dense samples of subranges:
//   ArcSin/near one     0.99 < abs(x) <= 1: 1 - x^2 cancels; 21 ulps on
//                       [0.99, 1), 182 at 1 - 2^-36, growing toward 1.
//   ArcCos/small angles 0.54 < x <= 0.99: the truncated pi/2 in a result
//                       below 1 (2.6 ulps up to 0.707), then 1 - x^2 (2.2 on
//                       [0.85, 0.9), 5.3 on [0.95, 0.97), 7.6 on [0.97, 0.99)).
//   ArcCos/near one     abs(x) > 0.99: 2.3e4 ulps on [0.99, 1), 4.7e7 at
//                       1 - 2^-36.
//   Sh/small, Th/small  abs(x) < 1: exp(x) - exp(-x) cancels. Sh: 2.5 ulps on
//                       [0.3, 0.5), 6.8 on [0.1, 0.3), 340 on [0.001, 0.1);
//                       Th: 2.7 on [0.5, 0.7), 7.4 on [0.1, 0.5). Below about
//                       2^-65 both are 0: the whole value is lost.
//   Cth/small, Cosech/small  the reciprocals: 3.3 and 2.5 ulps on [0.5, 0.7),
//                       6.0 and 5.8 on [0.1, 0.5), 4e14 at 1e-15; both refuse
//                       at 0 and below about 2^-65, where Sh is 0.
//   ArSh/small          0 < x < 2: x + sqrt(x^2 + 1) rounds near 1; 2.7 ulps
//                       on [1, 2), 3.9 on [0.3, 0.7), 17 on [0.1, 0.3), the
//                       whole value below 2^-64.
//   ArSh/negative       x + sqrt(x^2 + 1) cancels: 3.7e16 ulps at -8.3e8;
//                       from about -4.3e9 on it is 0 and Ln refuses.
//   ArCh/near one       1 < x < 2: x^2 - 1 cancels; 2.1 ulps on [1.5, 2),
//                       3.5 on [1.1, 1.2), 13 on [1.01, 1.1), 1e4 at
//                       1 + 2^-30.
//   ArTh/small          abs(x) < 0.5: 1 + x rounds; 3.3 ulps on [0.3, 0.5),
//                       8.1 on [0.1, 0.2), 60 on [0.01, 0.1), the whole value
//                       below 2^-64.
//   ArCth/wide          abs(x) > 2: (x + 1) / (x - 1) rounds near 1; 2.9 ulps
//                       on [3, 5), 4.2 on [5, 10), 31 on [10, 100), the whole
//                       value beyond 2^64.
//   CubeRoot/wide       Exp(Ln(x) * OneThird): the product's rounding is the
//                       root's relative error, so it grows with abs(ln x):
//                       1.6 ulps on [0.1, 10], 12 on [10, 1e10), 4.6e3 near
//                       1e4000 and 5.8e3 near 1e-3878.
//   Factorial/large     n > 25: one rounding per factor; 9.2 ulps at 1000.
const std::set<std::string> Lossy = {
    "ArcSin/near one", "ArcCos/small angles", "ArcCos/near one", "Sh/small",        "Th/small",
    "Cth/small",       "Cosech/small",        "ArSh/small",      "ArSh/negative",   "ArCh/near one",
    "ArTh/small",      "ArCth/wide",          "CubeRoot/wide",   "Factorial/large",
};

Extended Value(const ExtendedBits& bits) {
  return FromBits(bits.signExponent, bits.significand);
}

// How far got lies from the exact value, in ulps of the rounded one.
double UlpError(Extended got, Extended rounded, double residual) {
  if (rounded == 0) return got == 0 ? 0 : std::numeric_limits<double>::infinity();
  const Extended ulp = std::ldexp(1.0L, std::ilogb(rounded) - 63);
  return static_cast<double>(std::fabs((got - rounded) / ulp - residual));
}

std::string RegionOf(const ReferenceRow& row) {
  return std::string(row.function) + "/" + row.region;
}

TEST(FunctionAccuracy, EveryRegionIsClassifiedAndCovered) {
  std::set<std::string> seen, functions;
  for (const ReferenceRow& row : Reference) {
    seen.insert(RegionOf(row));
    functions.insert(row.function);
  }
  for (const auto& [name, evaluation] : Functions)
    EXPECT_TRUE(functions.contains(name)) << name << " has no rows";
  EXPECT_EQ(functions.size(), Functions.size());
  for (const auto& [region, bound] : Bounds)
    EXPECT_TRUE(seen.contains(region)) << region << " has no rows";
  for (const std::string& region : Lossy)
    EXPECT_TRUE(seen.contains(region)) << region << " has no rows";
  for (const std::string& region : seen)
    EXPECT_NE(Bounds.contains(region), Lossy.contains(region)) << region;
}

TEST(FunctionAccuracy, ReferenceTable) {
  std::map<std::string, double> worst;
  for (const ReferenceRow& row : Reference) {
    const std::string region = RegionOf(row);
    const Extended x = Value(row.x);
    const Extended y = Value(row.y);
    const Extended expected = Value(row.expected);
    SCOPED_TRACE(region + " at x = " + std::to_string(static_cast<double>(x)) +
                 ", y = " + std::to_string(static_cast<double>(y)));
    Extended got = 0;
    try {
      got = Functions.at(row.function)(x, y);
    } catch (const EMathError& error) {
      ADD_FAILURE() << "refused: " << error.what();
      continue;
    }
    const double error = UlpError(got, expected, row.residual);
    worst[region] = std::max(worst[region], error);
    if (const auto bound = Bounds.find(region); bound != Bounds.end()) {
      EXPECT_LE(error, bound->second) << "got " << static_cast<double>(got);
    } else {
      EXPECT_TRUE(std::isfinite(got));
      if (got != 0) {
        EXPECT_EQ(std::signbit(got), std::signbit(expected));
      }
    }
  }
  for (const auto& [region, error] : worst)
    RecordProperty(region, std::to_string(error));
}

// Bits that the reference computed independently, for the constants that
// are meant to be correctly rounded or one unit off it.
TEST(FunctionAccuracy, PiNumberIsOneUnitBelowTheRoundedPi) {
  for (const ReferenceRow& row : Reference) {
    if (std::string(row.function) != "PiValue") continue;
    EXPECT_EQ(ToBits(PiNumber).signExponent, row.expected.signExponent);
    EXPECT_EQ(ToBits(PiNumber).significand + 1, row.expected.significand);
    return;
  }
  FAIL() << "no reference row for pi";
}

} // namespace
