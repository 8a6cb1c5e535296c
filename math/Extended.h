#pragma once
// Extended: the x87 80-bit extended-precision number (1 sign bit, 15-bit
// exponent biased by 16383, 64-bit significand with an explicit integer bit).
// Every number of the calculator is one of these.

#include <bit>
#include <cstdint>
#include <limits>

using Extended = long double;

static_assert(std::numeric_limits<Extended>::digits == 64, "Extended needs a 64-bit significand");
static_assert(std::numeric_limits<Extended>::max_exponent == 16384,
              "Extended needs a 15-bit exponent");
static_assert(std::numeric_limits<Extended>::is_iec559, "Extended must be IEEE-style x87 format");
static_assert(sizeof(Extended) >= 10, "Extended must hold 80 bits");

// The two halves of an Extended as they lie in memory: the significand word,
// then the sign-and-exponent word.
struct ExtendedBits {
  std::uint16_t signExponent;
  std::uint64_t significand;
  friend bool operator==(const ExtendedBits&, const ExtendedBits&) = default;
};

namespace detail {
// The significand as two 32-bit halves: a 64-bit field would be 8-byte
// aligned under the Microsoft ABI of 32-bit Windows, making the image 16
// bytes against the 12 of a long double there.
struct ExtendedImage {
  std::uint32_t significandLow;
  std::uint32_t significandHigh;
  std::uint16_t signExponent;
  std::uint8_t padding[sizeof(Extended) - 10];
};
static_assert(sizeof(ExtendedImage) == sizeof(Extended));
} // namespace detail

// FromBits(0x4000, 0xADF85458A2BB4A9B) -> e, rounded to nearest.
constexpr Extended FromBits(std::uint16_t signExponent, std::uint64_t significand) {
  return std::bit_cast<Extended>(detail::ExtendedImage{
      std::uint32_t(significand), std::uint32_t(significand >> 32), signExponent, {}});
}

// ToBits(1.0L) -> {0x3FFF, 0x8000000000000000}.
constexpr ExtendedBits ToBits(Extended x) {
  const auto image = std::bit_cast<detail::ExtendedImage>(x);
  return {image.signExponent, std::uint64_t(image.significandHigh) << 32 | image.significandLow};
}
