#pragma once
// Plain arithmetic with the x87 traps for invalid operation, division by zero
// and overflow. The traps are emulated by inspecting each result: an infinity
// out of finite operands is an overflow (a division by zero when the divisor
// was zero), a NaN out of non-NaN operands is an invalid operation. Underflow
// and inexact results stay silent. No signals, no FPU control word.
//
//   Plus(1, 2)            -> 3
//   Times(1e4000L, 1e4000L) throws EOverflow "Floating point overflow"
//   Over(1, 0)            throws EZeroDivide "Floating point division by zero"
//   Over(0, 0)            throws EInvalidOp "Invalid floating point operation"

#include "math/Extended.h"

namespace FloatEnv {

// Raises the trap that `result` of an operation on `a` and `b` would fire.
// `zeroDivisor` marks a division whose divisor was zero.
Extended Trap(Extended result, Extended a, Extended b, bool zeroDivisor = false);

// The same for the result of a one-argument library function; a pole (an
// infinity out of a finite argument, such as log(0)) is a division by zero.
Extended TrapUnary(Extended result, Extended x, bool pole = false);

inline Extended Plus(Extended a, Extended b) {
  return Trap(a + b, a, b);
}
inline Extended Minus(Extended a, Extended b) {
  return Trap(a - b, a, b);
}
inline Extended Times(Extended a, Extended b) {
  return Trap(a * b, a, b);
}
inline Extended Over(Extended a, Extended b) {
  return Trap(a / b, a, b, b == 0);
}

} // namespace FloatEnv
