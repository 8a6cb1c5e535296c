// Sine, cosine and tangent: the argument is reduced exactly to a remainder
// of at most pi/4 and a count of quarter turns (Payne and Hanek's method in
// integer arithmetic), then the remainder, carried as two numbers, goes
// through Taylor polynomials that need no more than 64-bit arithmetic.

#include "math/Elementary.h"

#include "math/ExtendedPair.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>

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

constexpr int SineCount = sizeof SineTerms / sizeof SineTerms[0];
constexpr int CosineCount = sizeof CosineTerms / sizeof CosineTerms[0];
static_assert(SineCount == CosineCount, "the tangent runs both polynomials in one loop");

Extended Polynomial(const Extended* terms, Extended z) {
  Extended sum = terms[SineCount - 1];
  for (int i = SineCount - 2; i >= 0; --i)
    sum = terms[i] + z * sum;
  return sum;
}

// Both polynomials at once, for the tangent: two independent chains that
// the processor runs side by side.
struct Polynomials {
  Extended sine;
  Extended cosine;
};
Polynomials BothPolynomials(Extended z) {
  Polynomials sum{SineTerms[SineCount - 1], CosineTerms[CosineCount - 1]};
  for (int i = SineCount - 2; i >= 0; --i) {
    sum.sine = SineTerms[i] + z * sum.sine;
    sum.cosine = CosineTerms[i] + z * sum.cosine;
  }
  return sum;
}

// sin(h + t) = sin h + t cos h, with |t| below an ulp of h, as a pair;
// z = h * h and `series` the sine polynomial at z.
[[gnu::always_inline]] inline Pair SineKernel(Pair r, Extended z, Extended series) {
  return FastTwoSum(r.head, r.head * z * series + r.tail * (1 - z / 2));
}

// cos(h + t) = 1 - h^2/2 + h^4 Q(h^2) - t h, with h^2 exact and the rounding
// of 1 - h^2/2 kept; `series` is Q at the rounded h^2.
[[gnu::always_inline]] inline Pair CosineKernel(Pair r, Extended series) {
  const Pair square = TwoProduct(r.head, r.head);
  const Extended half = square.head / 2;
  const Extended leading = 1 - half;
  const Extended z = square.head;
  const Extended rest =
      ((1 - leading) - half) - square.tail / 2 + (z * z * series - r.head * r.tail);
  return FastTwoSum(leading, rest);
}

[[gnu::always_inline]] inline Pair Sine(Pair r) {
  const Extended z = r.head * r.head;
  return SineKernel(r, z, Polynomial(SineTerms, z));
}

[[gnu::always_inline]] inline Pair Cosine(Pair r) {
  return CosineKernel(r, Polynomial(CosineTerms, r.head * r.head));
}

// (a.head + a.tail) / (b.head + b.tail), within a little over half an ulp:
// a first quotient from the reciprocal, corrected by its exact residual.
Extended Quotient(Pair a, Pair b) {
  const Extended reciprocal = 1 / b.head;
  const Extended q = a.head * reciprocal;
  const Pair back = TwoProduct(q, b.head);
  const Extended residual = ((a.head - back.head) - back.tail) + a.tail - q * b.tail;
  return q + residual * reciprocal;
}

Extended Negated(Extended x, bool negate) {
  return negate ? -x : x;
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

// tan = sin / cos in even quadrants, -cos / sin in odd ones.
Extended Tan(Extended x) {
  if (!std::isfinite(x)) return x - x;
  const Reduced r = Reduce(std::fabs(x));
  const Extended z = r.remainder.head * r.remainder.head;
  const Polynomials series = BothPolynomials(z);
  const Pair sine = SineKernel(r.remainder, z, series.sine);
  const Pair cosine = CosineKernel(r.remainder, series.cosine);
  const Extended value = (r.quadrant & 1) ? -Quotient(cosine, sine) : Quotient(sine, cosine);
  return Negated(value, std::signbit(x));
}

} // namespace Elementary
