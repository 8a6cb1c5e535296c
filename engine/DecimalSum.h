#pragma once
// Addition and subtraction as a person writes them down. A decimal such as
// 86251.76 is not exact in binary; when a sum cancels (its binary exponent
// falls below the larger operand's), the operands' representation error
// would surface as wrong trailing digits. So such a result is rounded to 18
// significant digits counted from the larger operand's leading decimal
// digit, the decimal precision the operands carry. A result that does not
// cancel keeps every bit, and CVMath's guards and messages apply unchanged.
// A quantum below 1e-4930, at the bottom of the range, leaves it unrounded.
//   DecimalSubtract(86251.76, 86250.82) -> 0.94 (the Extended nearest 0.94)
//   DecimalSubtract(0.3 - 0.1, 0.2)     -> 0     (not 1.355e-20)
//   DecimalAdd(0.1, 0.2)                -> CVMath::Add(0.1, 0.2), bit for bit
//   DecimalAdd(1e4932, 1e4932)          -> EOverflow "Overflow", as Add
//   DecimalSubtract(1.5e-4913, 1.4e-4913) -> 1e-4914 (quantum 1e-4930)
//   DecimalSubtract(1.5e-4914, 1.4e-4914) -> Subtract's own result (1e-4931)

#include "math/Extended.h"

namespace engine {

Extended DecimalAdd(Extended a, Extended b);
Extended DecimalSubtract(Extended a, Extended b);

} // namespace engine
