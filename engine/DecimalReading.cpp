// The reading works on the exact fraction N / D = digits x 10^scale, with
// N and D as integers of 32-bit words: it divides out the first 64 bits of
// the quotient one at a time and classifies the rest against half a unit.
// A short text with a small scale takes the exact fast path instead: both
// the digits and the power of ten are exact, so one operation rounds once.

#include "engine/DecimalReading.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <limits>
#include <vector>

namespace engine {

namespace {

// A nonnegative integer of 32-bit words, least significant first.
class BigInteger {
public:
  explicit BigInteger(std::uint32_t value) : FWords{value} {}

  void MultiplyAdd(std::uint32_t factor, std::uint32_t addend) {
    std::uint64_t carry = addend;
    for (std::uint32_t& word : FWords) {
      const std::uint64_t product = std::uint64_t(word) * factor + carry;
      word = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
    if (carry) FWords.push_back(static_cast<std::uint32_t>(carry));
  }

  void MultiplyByPowerOfFive(long long power) {
    constexpr std::uint32_t FiveTo13 = 1220703125;
    for (; power >= 13; power -= 13)
      MultiplyAdd(FiveTo13, 0);
    std::uint32_t rest = 1;
    for (; power > 0; --power)
      rest *= 5;
    MultiplyAdd(rest, 0);
  }

  void ShiftLeft(long long bits) {
    const auto words = static_cast<std::size_t>(bits / 32);
    const int shift = static_cast<int>(bits % 32);
    if (shift > 0) {
      std::uint32_t carry = 0;
      for (std::uint32_t& word : FWords) {
        const std::uint32_t next = word >> (32 - shift);
        word = word << shift | carry;
        carry = next;
      }
      if (carry) FWords.push_back(carry);
    }
    FWords.insert(FWords.begin(), words, 0);
  }

  // Subtracts a smaller or equal number.
  void Subtract(const BigInteger& other) {
    std::int64_t borrow = 0;
    for (std::size_t i = 0; i < FWords.size(); ++i) {
      const std::int64_t word = std::int64_t(FWords[i]) - borrow -
                                (i < other.FWords.size() ? std::int64_t(other.FWords[i]) : 0);
      FWords[i] = static_cast<std::uint32_t>(word);
      borrow = word < 0 ? 1 : 0;
    }
    Trim();
  }

  long long BitLength() const {
    if (IsZero()) return 0;
    return 32 * static_cast<long long>(FWords.size()) - std::countl_zero(FWords.back());
  }

  bool IsZero() const { return FWords.size() == 1 && FWords[0] == 0; }

  friend int Compare(const BigInteger& a, const BigInteger& b) {
    if (a.FWords.size() != b.FWords.size()) return a.FWords.size() < b.FWords.size() ? -1 : 1;
    for (std::size_t i = a.FWords.size(); i-- > 0;)
      if (a.FWords[i] != b.FWords[i]) return a.FWords[i] < b.FWords[i] ? -1 : 1;
    return 0;
  }

private:
  void Trim() {
    while (FWords.size() > 1 && FWords.back() == 0)
      FWords.pop_back();
  }

  std::vector<std::uint32_t> FWords;
};

// What lies below the kept bits, in units of their last place.
enum class Rest { Zero, BelowHalf, Half, AboveHalf };

// A value (significand + rest) x 2^exponent, significand in [2^63, 2^64).
struct Quotient {
  std::uint64_t significand;
  long long exponent;
  Rest rest;
};

BigInteger FromDigits(std::string_view digits) {
  const auto chunk = [](std::string_view nine) {
    std::uint32_t value = 0;
    for (const char digit : nine)
      value = value * 10 + std::uint32_t(digit - '0');
    return value;
  };
  // A short first chunk, so that the others have nine digits each.
  const std::size_t head = digits.size() % 9;
  BigInteger n(chunk(digits.substr(0, head)));
  for (std::size_t i = head; i < digits.size(); i += 9)
    n.MultiplyAdd(1000000000, chunk(digits.substr(i, 9)));
  return n;
}

// The first 64 bits of numerator / denominator (both not zero) and the rest.
Quotient Divide(BigInteger numerator, BigInteger denominator) {
  // Line the two up so that the ratio lies in [1/2, 2).
  const long long shift = numerator.BitLength() - denominator.BitLength();
  if (shift > 0) denominator.ShiftLeft(shift);
  if (shift < 0) numerator.ShiftLeft(-shift);
  std::uint64_t bits = 0;
  int produced = 0;
  while ((bits >> 63) == 0) {
    const bool one = Compare(numerator, denominator) >= 0;
    if (one) numerator.Subtract(denominator);
    bits = bits << 1 | (one ? 1 : 0);
    numerator.ShiftLeft(1);
    ++produced;
  }
  // The numerator is now twice the remainder: compare it with one unit.
  const int half = Compare(numerator, denominator);
  const Rest rest = numerator.IsZero() ? Rest::Zero
                    : half < 0         ? Rest::BelowHalf
                    : half == 0        ? Rest::Half
                                       : Rest::AboveHalf;
  return {bits, shift - (produced - 1), rest};
}

bool RoundsUp(std::uint64_t kept, Rest rest) {
  return rest == Rest::AboveHalf || (rest == Rest::Half && (kept & 1));
}

constexpr int MinExponent = -16382; // of the normal numbers, for 1.xxx
constexpr int MaxExponent = 16383;

// The Extended nearest the quotient: to 64 bits in the normal range, to the
// denormal ulp below it.
Extended Rounded(Quotient q) {
  long long top = q.exponent + 63; // the value lies in [2^top, 2^(top+1))
  std::uint64_t kept = q.significand;
  Rest rest = q.rest;
  int field = 0; // the biased exponent, 0 for denormals
  if (top >= MinExponent) {
    field = static_cast<int>(std::min<long long>(top, MaxExponent + 1)) + 16383;
  } else {
    const long long drop = MinExponent - top;
    if (drop > 64) return 0;
    const std::uint64_t dropped = drop == 64 ? kept : kept & ((std::uint64_t(1) << drop) - 1);
    const std::uint64_t halfway = std::uint64_t(1) << (drop - 1);
    rest = dropped > halfway    ? Rest::AboveHalf
           : dropped == halfway ? (rest == Rest::Zero ? Rest::Half : Rest::AboveHalf)
           : dropped != 0 || rest != Rest::Zero ? Rest::BelowHalf
                                                : Rest::Zero;
    kept = drop == 64 ? 0 : kept >> drop;
  }
  if (RoundsUp(kept, rest) && ++kept == 0) { // carried out of 64 bits
    kept = std::uint64_t(1) << 63;
    ++field;
  } else if (field == 0 && (kept >> 63)) { // a denormal rounded up to the smallest normal
    field = 1;
  }
  if (field > MaxExponent + 16383) return std::numeric_limits<Extended>::infinity();
  return FromBits(static_cast<std::uint16_t>(field), kept);
}

// Powers of ten that Extended holds exactly: 10^27 = 5^27 * 2^27 and 5^27 < 2^64.
constexpr int MaxExactPowerOfTen = 27;
constexpr auto ExactPowersOfTen = [] {
  std::array<Extended, MaxExactPowerOfTen + 1> powers{};
  Extended power = 1;
  for (Extended& p : powers) {
    p = power;
    power *= 10;
  }
  return powers;
}();

} // namespace

Extended DecimalToExtended(std::string_view digits, long long scale) {
  const std::size_t first = std::min(digits.find_first_not_of('0'), digits.size());
  digits.remove_prefix(first);
  if (digits.empty()) return 0;
  const long long magnitude = scale < 0 ? -scale : scale;
  if (digits.size() <= 19 && magnitude <= MaxExactPowerOfTen) {
    std::uint64_t n = 0;
    for (const char digit : digits)
      n = n * 10 + std::uint64_t(digit - '0');
    const Extended power = ExactPowersOfTen[std::size_t(magnitude)];
    return scale < 0 ? n / power : n * power;
  }
  BigInteger numerator = FromDigits(digits);
  BigInteger denominator(1);
  if (scale >= 0) {
    numerator.MultiplyByPowerOfFive(scale);
  } else {
    denominator.MultiplyByPowerOfFive(magnitude);
  }
  Quotient q = Divide(std::move(numerator), std::move(denominator));
  q.exponent += scale; // the power of two in 10^scale
  return Rounded(q);
}

} // namespace engine
