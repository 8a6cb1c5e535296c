#pragma once
// The elementary functions under CVMath, computed here rather than by the C
// library, so that every platform gives the same bits. Each is within about
// half an ulp of the exact value plus a small fraction (see the accuracy
// tests); none throws: overflow gives an infinity, a NaN argument a NaN.
//
//   Sin(1e4000L) -> sin of that exact number: the argument is reduced by
//                   pi/2 with 2/pi to 16,700 bits, every finite argument alike
//   Tan(FromBits(0x3FFF, 0xC90FDAA22168C235)) -> -3.9e19 (just past pi/2)
//   Exp(1) -> e to nearest; Exp(-11356) -> 1.4e-4932, a denormal, rounded once
//   Exp(11357) -> infinity; Exp(-11400) -> 0

#include "math/Extended.h"

namespace Elementary {

Extended Sin(Extended x);
Extended Cos(Extended x);
Extended Tan(Extended x);
Extended Exp(Extended x);

} // namespace Elementary
