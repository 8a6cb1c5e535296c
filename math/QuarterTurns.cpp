// The reduction by quarter turns: the significand times a window of 2/pi,
// taken past the bits that only make whole turns, in 32-bit words.

#include "math/QuarterTurns.h"

#include <array>
#include <bit>
#include <cstdint>

namespace {

#include "math/KernelTables.inc"

using ExtendedPair::Pair;
using ExtendedPair::PowerOfTwo;
using QuarterTurns::Reduced;

// Words of 2/pi multiplied with the significand: the product's fraction is
// then exact to 2^-254 quarter turns, against remainders that come no closer
// than about 2^-130 to a multiple of pi/2 for any Extended argument.
constexpr int WindowWords = 10;
constexpr int TwoOverPiCount = sizeof TwoOverPiWords / sizeof TwoOverPiWords[0];

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

} // namespace

namespace QuarterTurns {

// x = quadrant * pi/2 + remainder.
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

} // namespace QuarterTurns
