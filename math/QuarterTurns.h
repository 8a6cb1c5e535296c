#pragma once
// The exact reduction of sine, cosine and tangent arguments: x as a count
// of quarter turns plus a remainder of at most pi/4, for every finite
// Extended x (Payne and Hanek's method in integer arithmetic, with 2/pi to
// 16,700 bits).
//
//   Reduce(0.5) -> {0, {0.5, 0}}: below 0.78 nothing to do
//   Reduce(3.0) -> {2, {3 - pi, ...}}: about -0.1416 as a head and tail
//   Reduce(1e4000) -> the remainder of that exact number, to 64 + 64 bits

#include "math/Extended.h"
#include "math/ExtendedPair.h"

namespace QuarterTurns {

struct Reduced {
  unsigned quadrant;            // quarter turns, modulo 4
  ExtendedPair::Pair remainder; // in [-pi/4, pi/4]
};

// Below this no reduction is needed (pi/4 is 0.785...).
constexpr Extended ReductionThreshold = 0.78L;

// For a finite x >= ReductionThreshold.
Reduced ReduceQuarterTurns(Extended x);

// For a finite magnitude >= 0; inline, so that small arguments pass in
// registers.
inline Reduced Reduce(Extended magnitude) {
  if (magnitude < ReductionThreshold) return {0, {magnitude, 0}};
  return ReduceQuarterTurns(magnitude);
}

} // namespace QuarterTurns
