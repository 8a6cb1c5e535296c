#pragma once
// Decimal digits to Extended, correctly rounded (to nearest, ties to even)
// by exact integer arithmetic, the same on every platform and C library.
//
//   "1", 0           -> 1                "1", -1 -> 0.1 to nearest
//   "7", 4924        -> 7e4924           "12", 4931 -> infinity (beyond the range)
//   "36451995318824746025", -4970 -> the smallest denormal, 2^-16445
//   "1", -4952       -> 0 (below half the smallest denormal)

#include "math/Extended.h"

#include <string_view>

namespace engine {

// digits x 10^scale, where digits holds only '0' to '9' (leading zeros are
// allowed, none is 0). The work grows with the digits' count and abs(scale);
// callers keep both in the range the Extended numbers need (some 12,000
// digits and a scale within about 5,000 of the digits' end).
Extended DecimalToExtended(std::string_view digits, long long scale);

} // namespace engine
