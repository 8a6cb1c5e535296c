// Sine, cosine and tangent: the argument is reduced exactly to a remainder
// of at most pi/4 and a count of quarter turns (QuarterTurns), then the
// remainder, carried as two numbers, goes
// through polynomials that need no more than 64-bit arithmetic; past 0.2
// they start from tables of sin, cos and tan at k/128.

#include "math/Elementary.h"

#include "math/ExtendedPair.h"
#include "math/QuarterTurns.h"

#include <cmath>
#include <cstdint>
#include <iterator>

namespace {

#include "math/KernelTables.inc"

using ExtendedPair::FastTwoSum;
using ExtendedPair::Pair;
using ExtendedPair::PowerOfTwo;
using ExtendedPair::TwoProduct;
using QuarterTurns::Reduce;
using QuarterTurns::Reduced;

// z0 + z (z1 + z (z2 + ...)) with the first Count terms.
template <std::size_t Count> Extended Polynomial(const Extended* terms, Extended z) {
  Extended sum = terms[Count - 1];
#pragma GCC unroll 16
  for (int i = static_cast<int>(Count) - 2; i >= 0; --i)
    sum = terms[i] + z * sum;
  return sum;
}

Extended Negated(Extended x, bool negate) {
  return negate ? -x : x;
}

Pair Negated(Pair p, bool negate) {
  return negate ? Pair{-p.head, -p.tail} : p;
}

// Below this the series are short; from it on to pi/4 the tables serve.
constexpr Extended TableStart = 0.2L;

// sin(h + t) = sin h + t cos h for 0 <= h < TableStart, with |t| below an
// ulp of h: the part after h is at most 0.7 % of the result, so its few
// roundings stay far below the final one.
[[gnu::always_inline]] inline Pair SmallSine(Pair r) {
  const Extended z = r.head * r.head;
  const Extended series = Polynomial<std::size(SineTerms)>(SineTerms, z);
  return FastTwoSum(r.head, r.head * z * series + r.tail * (1 - z / 2));
}

// cos(h + t) = 1 - h^2/2 + h^4 Q(h^2) - t h for 0 <= h < TableStart, with
// h^2 exact and the rounding of 1 - h^2/2 kept; Q is taken at the rounded h^2.
[[gnu::always_inline]] inline Pair SmallCosine(Pair r) {
  const Pair square = TwoProduct(r.head, r.head);
  const Extended half = square.head / 2;
  const Extended leading = 1 - half;
  const Extended z = square.head;
  const Extended series = Polynomial<std::size(CosineTerms)>(CosineTerms, z);
  const Extended rest =
      ((1 - leading) - half) - square.tail / 2 + (z * z * series - r.head * r.tail);
  return FastTwoSum(leading, rest);
}

// tan(h + t) = h + h^3 T(h^2) + t (1 + h^2) for 0 <= h < TableStart: the
// part after h is at most 1.4 % of the result.
[[gnu::always_inline]] inline Pair SmallTangent(Pair r) {
  const Extended z = r.head * r.head;
  const Extended series = Polynomial<std::size(TangentTerms)>(TangentTerms, z);
  return FastTwoSum(r.head, r.head * z * series + r.tail * (1 + z));
}

// h + t = a + s + t for TableStart <= h <= pi/4, with a = k/128 the nearest
// table point (at `index` in the tables) and s = h - a, which is exact.
// |s| <= 1/256 makes the series of s short: three terms, or two.
struct TablePoint {
  std::size_t index;
  Extended s;
  Extended t;
};

// k comes from adding 2^63, which leaves the nearest integer to h * 128 in
// the low bits of the significand: Extended arithmetic throughout, so that
// 32-bit builds, whose double arithmetic may run in x87 registers, pick the
// same k.
[[gnu::always_inline]] inline TablePoint NearestTablePoint(Pair r) {
  constexpr Extended TwoTo63 = PowerOfTwo(63);
  const Extended shifted = r.head * TableSteps + TwoTo63;
  const auto k = static_cast<std::size_t>(ToBits(shifted).significand & 0xFF);
  return {k - TableFirstStep, r.head - (shifted - TwoTo63) / TableSteps, r.tail};
}

// sin(s + t) and cos(s + t) - 1.
struct SmallTurn {
  Extended sine;
  Extended cosineLessOne;
};

[[gnu::always_inline]] inline SmallTurn TurnOf(const TablePoint& p) {
  const Extended z = p.s * p.s;
  return {p.s + (p.s * z * Polynomial<3>(SineTerms, z) + p.t),
          -z / 2 + (z * z * Polynomial<2>(CosineTerms, z) - p.s * p.t)};
}

// sin(a + s) = sin a + (sin a (cos s - 1) + cos a sin s); the part after
// sin a is at most 2 % of the result.
[[gnu::always_inline]] inline Pair TabulatedSine(Pair r) {
  const TablePoint p = NearestTablePoint(r);
  const SmallTurn turn = TurnOf(p);
  const Extended sine = SineTableHeads[p.index];
  const Extended cosine = CosineTableHeads[p.index];
  return FastTwoSum(sine,
                    SineTableTails[p.index] + (sine * turn.cosineLessOne + cosine * turn.sine));
}

// cos(a + s) = cos a + (cos a (cos s - 1) - sin a sin s).
[[gnu::always_inline]] inline Pair TabulatedCosine(Pair r) {
  const TablePoint p = NearestTablePoint(r);
  const SmallTurn turn = TurnOf(p);
  const Extended sine = SineTableHeads[p.index];
  const Extended cosine = CosineTableHeads[p.index];
  return FastTwoSum(cosine,
                    CosineTableTails[p.index] + (cosine * turn.cosineLessOne - sine * turn.sine));
}

// tan(a + s) = T + (1 + T^2) u / (1 - T u) with T = tan a and u = tan s;
// the part after T is at most 2 % of the result.
[[gnu::always_inline]] inline Pair TabulatedTangent(Pair r) {
  const TablePoint p = NearestTablePoint(r);
  const Extended z = p.s * p.s;
  const Extended u = p.s + (p.s * z * Polynomial<3>(TangentTerms, z) + p.t);
  const Extended tangent = TangentTableHeads[p.index];
  return FastTwoSum(tangent,
                    TangentTableTails[p.index] + (1 + tangent * tangent) * u / (1 - tangent * u));
}

// sin, cos and tan of h + t for |h| <= pi/4, as pairs within a small
// fraction of an ulp.
[[gnu::always_inline]] inline Pair Sine(Pair r) {
  const bool negative = r.head < 0;
  const Pair magnitude = Negated(r, negative);
  return Negated(magnitude.head < TableStart ? SmallSine(magnitude) : TabulatedSine(magnitude),
                 negative);
}

[[gnu::always_inline]] inline Pair Cosine(Pair r) {
  const Pair magnitude = Negated(r, r.head < 0);
  return magnitude.head < TableStart ? SmallCosine(magnitude) : TabulatedCosine(magnitude);
}

[[gnu::always_inline]] inline Pair Tangent(Pair r) {
  const bool negative = r.head < 0;
  const Pair magnitude = Negated(r, negative);
  return Negated(magnitude.head < TableStart ? SmallTangent(magnitude)
                                             : TabulatedTangent(magnitude),
                 negative);
}

// 1 / (b.head + b.tail), within a little over half an ulp: the reciprocal
// of the head, corrected by its exact residual.
Extended Reciprocal(Pair b) {
  const Extended q = 1 / b.head;
  const Pair back = TwoProduct(q, b.head);
  const Extended residual = ((1 - back.head) - back.tail) - q * b.tail;
  return q + residual * q;
}

} // namespace

namespace Elementary {

Extended Sin(Extended x) {
  if (!std::isfinite(x)) return x - x;
  const Reduced r = Reduce(std::fabs(x));
  const Pair value = (r.quadrant & 1) ? Cosine(r.remainder) : Sine(r.remainder);
  return Negated(value.head, (r.quadrant >= 2) != std::signbit(x));
}

Extended Cos(Extended x) {
  if (!std::isfinite(x)) return x - x;
  const Reduced r = Reduce(std::fabs(x));
  const Pair value = (r.quadrant & 1) ? Sine(r.remainder) : Cosine(r.remainder);
  return Negated(value.head, r.quadrant == 1 || r.quadrant == 2);
}

// tan in even quadrants, -1/tan (the cotangent) in odd ones.
Extended Tan(Extended x) {
  if (!std::isfinite(x)) return x - x;
  const Reduced r = Reduce(std::fabs(x));
  const Pair tangent = Tangent(r.remainder);
  const Extended value = (r.quadrant & 1) ? -Reciprocal(tangent) : tangent.head + tangent.tail;
  return Negated(value, std::signbit(x));
}

} // namespace Elementary
