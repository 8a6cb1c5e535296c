// The exponential: x = (32 m + j) ln2/32 + r with |r| <= ln2/64, so that
// e^x = 2^m * 2^(j/32) * e^r, with 2^(j/32) from a table of pairs and e^r
// from its Taylor polynomial. A denormal result is rounded once, from the
// pair, rather than rounded to 64 bits and then again to fewer.

#include "math/Elementary.h"

#include "math/ExtendedPair.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

#include "math/KernelTables.inc"

using ExtendedPair::FastTwoSum;
using ExtendedPair::NearestInteger;
using ExtendedPair::Pair;
using ExtendedPair::PowerOfTwo;

constexpr int TableBits = 5;
constexpr int TableSize = 1 << TableBits;
// Beyond these the result is an infinity or 0 whatever the rounding.
constexpr Extended OverflowArgument = 11357;
constexpr Extended UnderflowArgument = -11400;
// Results below 2^MinNormalExponent are denormal; their ulp is 2^DenormalUlp.
constexpr int MinNormalExponent = -16382;
constexpr int DenormalUlp = -16445;

// The nearest integer to v for |v| < 2^62: adding 3 * 2^62 leaves no
// fraction bits.
Extended RoundedToInteger(Extended v) {
  constexpr Extended Shifter = 3 * PowerOfTwo(62);
  return (v + Shifter) - Shifter;
}

// e^x / 2^m as a pair near [1, 2).
Pair ScaledExp(Extended x, int& m) {
  const Extended steps = RoundedToInteger(x * InverseLnTwoStep);
  const auto n = static_cast<std::int32_t>(steps);
  // steps * head is exact (abs(n) < 2^20, the head has 44 bits), and so is
  // the difference, which is far smaller than x.
  const Extended head = x - steps * LnTwoStepHead;
  const Extended tail = -steps * LnTwoStepTail;
  const Extended r = head + tail;
  constexpr int Terms = sizeof ExpTerms / sizeof ExpTerms[0];
  Extended series = ExpTerms[Terms - 1];
  for (int i = Terms - 2; i >= 0; --i)
    series = ExpTerms[i] + r * series;
  const Extended expMinusOne = head + (tail + r * r * series);
  const auto j = static_cast<std::size_t>(n & (TableSize - 1));
  m = (n - static_cast<std::int32_t>(j)) / TableSize;
  const Extended t = ExpTableHeads[j];
  return FastTwoSum(t, ExpTableTails[j] + t * expMinusOne + ExpTableTails[j] * expMinusOne);
}

// (v.head + v.tail) * 2^m for a result in the normal range or beyond.
Extended ScaledNormal(Pair v, int m) {
  const int half = m / 2;
  return v.head * PowerOfTwo(half) * PowerOfTwo(m - half);
}

// (v.head + v.tail) * 2^m for a denormal result: rounded to a whole number
// of the denormal ulp in one step.
Extended ScaledDenormal(Pair v, int m) {
  const int shift = m - DenormalUlp; // v * 2^shift counts denormal ulps
  const Extended units = v.head * PowerOfTwo(shift);
  const Extended rest = v.tail * PowerOfTwo(shift);
  Extended n = NearestInteger(units);
  const Extended excess = (units - n) + rest;
  if (excess > 0.5L) n += 1;
  if (excess < -0.5L) n -= 1;
  const auto significand = static_cast<std::uint64_t>(n);
  // A carry into bit 63 makes the smallest normal number.
  return FromBits(significand >> 63 ? 1 : 0, significand);
}

} // namespace

namespace Elementary {

Extended Exp(Extended x) {
  if (std::isnan(x)) return x;
  if (x > OverflowArgument) return std::numeric_limits<Extended>::infinity();
  if (x < UnderflowArgument) return 0;
  int m = 0;
  const Pair v = ScaledExp(x, m);
  if (m > MinNormalExponent) return ScaledNormal(v, m);
  return ScaledDenormal(v, m);
}

} // namespace Elementary
