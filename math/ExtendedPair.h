#pragma once
// Exact steps of the elementary kernels: sums and products whose rounding
// error is kept as a second number, and exact powers of two. They hold only
// under 64-bit precision and round-to-nearest, which FloatEnv makes sure of.

#include "math/Extended.h"

#include <cstdint>

namespace ExtendedPair {

// A value carried as head + tail, |tail| at most half an ulp of head.
struct Pair {
  Extended head;
  Extended tail;
};

// 2^k for -16382 <= k <= 16383, exactly.
constexpr Extended PowerOfTwo(int k) {
  return FromBits(static_cast<std::uint16_t>(k + 16383), 0x8000000000000000);
}

// a + b exactly, for |a| >= |b| or a == 0.
inline Pair FastTwoSum(Extended a, Extended b) {
  const Extended sum = a + b;
  return {sum, (a - sum) + b};
}

// a * b exactly (Dekker's product on 32-bit halves), barring underflow.
inline Pair TwoProduct(Extended a, Extended b) {
  constexpr Extended Splitter = 4294967297.0L; // 2^32 + 1
  const auto split = [](Extended v) {
    const Extended scaled = Splitter * v;
    const Extended high = scaled - (scaled - v);
    return Pair{high, v - high};
  };
  const Pair x = split(a);
  const Pair y = split(b);
  const Extended product = a * b;
  const Extended error =
      ((x.head * y.head - product) + x.head * y.tail + x.tail * y.head) + x.tail * y.tail;
  return {product, error};
}

// The integer nearest v (ties to even), for 0 <= v < 2^64.
inline Extended NearestInteger(Extended v) {
  constexpr Extended TwoTo63 = PowerOfTwo(63);
  if (v >= TwoTo63) return v; // its ulp is 1 already
  return (v + TwoTo63) - TwoTo63;
}

} // namespace ExtendedPair
