// Sine, cosine and tangent: the argument is reduced exactly to a remainder
// of at most pi/4 and a count of quarter turns (Payne and Hanek's method in
// integer arithmetic), then the remainder, carried as two numbers, goes
// through polynomials that need no more than 64-bit arithmetic; past 0.2
// they start from tables of sin, cos and tan at k/128.

#include "math/Elementary.h"

#include "math/ExtendedPair.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <iterator>

namespace {

#include "math/KernelTables.inc"

using ExtendedPair::FastTwoSum;
using ExtendedPair::Pair;
using ExtendedPair::PowerOfTwo;
using ExtendedPair::TwoProduct;

// Below this no reduction is needed (pi/4 is 0.785...).
constexpr Extended ReductionThreshold = 0.78L;
// Words of 2/pi multiplied with the significand: the product's fraction is
// then exact to 2^-254 quarter turns, against remainders that come no closer
// than about 2^-130 to a multiple of pi/2 for any Extended argument.
constexpr int WindowWords = 10;
constexpr int TwoOverPiCount = sizeof TwoOverPiWords / sizeof TwoOverPiWords[0];

struct Reduced {
  unsigned quadrant; // quarter turns, modulo 4
  Pair remainder;    // in [-pi/4, pi/4]
};

// The 32 bits of 2/pi after its first `skip` bits past the point.
std::uint32_t TwoOverPiWord(int skip) {
  if (skip <= -32) return 0;
  if (skip < 0) return TwoOverPiWords[0] >> -skip;
  const int word = skip / 32;
  const int shift = skip % 32;
  const std::uint32_t first = TwoOverPiWords[word] << shift;
  if (shift == 0 || word + 1 >= TwoOverPiCount) return first;
  return first | TwoOverPiWords[word + 1] >> (32 - shift);
}

// The product of a 64-bit integer with the fraction 0.w0 w1 ... (WindowWords
// words), as WindowWords + 2 words, most significant first.
using Product = std::array<std::uint32_t, WindowWords + 2>;
Product MultiplyWindow(std::uint64_t significand, const std::uint32_t* window) {
  Product product{};
  const std::uint64_t halves[2] = {significand & 0xFFFFFFFF, significand >> 32};
  for (int h = 0; h < 2; ++h) {
    std::uint64_t carry = 0;
    for (int j = WindowWords - 1; j >= 0; --j) {
      const auto at = std::size_t(j + 2 - h);
      const std::uint64_t sum = halves[h] * window[j] + product[at] + carry;
      product[at] = static_cast<std::uint32_t>(sum);
      carry = sum >> 32;
    }
    product[std::size_t(1 - h)] += static_cast<std::uint32_t>(carry);
  }
  return product;
}

// The top 128 bits of the 256-bit product of two 128-bit integers.
std::array<std::uint32_t, 4> MultiplyHigh(const std::array<std::uint32_t, 4>& a,
                                          const std::uint32_t (&b)[4]) {
  std::array<std::uint64_t, 8> full{};
  for (int i = 3; i >= 0; --i) {
    std::uint64_t carry = 0;
    for (int j = 3; j >= 0; --j) {
      const auto at = std::size_t(i + j + 1);
      const std::uint64_t sum = std::uint64_t(a[std::size_t(i)]) * b[j] + full[at] + carry;
      full[at] = sum & 0xFFFFFFFF;
      carry = sum >> 32;
    }
    full[std::size_t(i)] += carry;
  }
  return {std::uint32_t(full[0]), std::uint32_t(full[1]), std::uint32_t(full[2]),
          std::uint32_t(full[3])};
}

std::uint64_t Join(std::uint32_t high, std::uint32_t low) {
  return std::uint64_t(high) << 32 | low;
}

// The fraction of a quarter turn (`available` 32-bit words after the point)
// times pi/2, as a pair.
Pair TimesHalfPi(const std::uint32_t* fraction, int available) {
  int zeros = 0;
  while (zeros < available - 4 && fraction[zeros] == 0)
    ++zeros;
  std::array<std::uint32_t, 4> top{};
  for (int i = 0; i < 4; ++i)
    top[std::size_t(i)] = fraction[zeros + i];
  // Normalise so that the top bit is set.
  const int shift = std::countl_zero(top[0]);
  if (shift == 32) return {0, 0};
  if (shift > 0) {
    const std::uint32_t next = zeros + 4 < available ? fraction[zeros + 4] : 0;
    for (int i = 0; i < 4; ++i) {
      const std::uint32_t following = i < 3 ? top[std::size_t(i + 1)] : next;
      top[std::size_t(i)] = top[std::size_t(i)] << shift | following >> (32 - shift);
    }
  }
  auto product = MultiplyHigh(top, HalfPiWords);
  // top < 2^128 and pi/2 < 2^128 give a product below 2^256; its top bit is
  // bit 255 or 254.
  int exponent = -32 * zeros - shift + 1;
  if ((product[0] >> 31) == 0) {
    for (int i = 0; i < 3; ++i)
      product[std::size_t(i)] = product[std::size_t(i)] << 1 | product[std::size_t(i + 1)] >> 31;
    product[3] <<= 1;
    exponent -= 1;
  }
  const Extended head = static_cast<Extended>(Join(product[0], product[1]));
  const Extended tail = static_cast<Extended>(Join(product[2], product[3]));
  return {head * PowerOfTwo(exponent - 64), tail * PowerOfTwo(exponent - 128)};
}

// x = quadrant * pi/2 + remainder, for a finite x >= ReductionThreshold.
Reduced ReduceQuarterTurns(Extended x) {
  const ExtendedBits bits = ToBits(x);
  const int exponent = (bits.signExponent & 0x7FFF) - 16383 - 63;
  // Bits of 2/pi up to the (exponent - 2)th make multiples of four quarter
  // turns with the integer significand: the window starts after them.
  std::uint32_t window[WindowWords];
  for (int j = 0; j < WindowWords; ++j)
    window[j] = TwoOverPiWord(exponent - 2 + 32 * j);
  const Product product = MultiplyWindow(bits.significand, window);
  // x * 2/pi modulo 4 is four times the product's fraction: its first two
  // bits are the quadrant, the rest the fraction of a quarter turn.
  std::uint32_t fraction[WindowWords];
  for (int i = 0; i < WindowWords; ++i) {
    const std::uint32_t next = i + 1 < WindowWords ? product[std::size_t(i + 3)] : 0;
    fraction[i] = product[std::size_t(i + 2)] << 2 | next >> 30;
  }
  unsigned quadrant = product[2] >> 30;
  const bool upper = (fraction[0] >> 31) != 0;
  if (upper) { // past half a quarter turn: count one more, remainder negative
    ++quadrant;
    std::uint64_t borrow = 1;
    for (int i = WindowWords - 1; i >= 0; --i) {
      const std::uint64_t negated = std::uint64_t(~fraction[i]) + borrow;
      fraction[i] = static_cast<std::uint32_t>(negated);
      borrow = negated >> 32;
    }
  }
  // The last two words carry the window's truncation; they are not used.
  Pair remainder = TimesHalfPi(fraction, WindowWords - 2);
  if (upper) remainder = {-remainder.head, -remainder.tail};
  return {quadrant & 3, remainder};
}

Reduced Reduce(Extended magnitude) {
  if (magnitude < ReductionThreshold) return {0, {magnitude, 0}};
  return ReduceQuarterTurns(magnitude);
}

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

[[gnu::always_inline]] inline TablePoint NearestTablePoint(Pair r) {
  const int k = static_cast<int>(static_cast<double>(r.head) * TableSteps + 0.5);
  return {static_cast<std::size_t>(k - TableFirstStep),
          r.head - static_cast<Extended>(k) / TableSteps, r.tail};
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
