#pragma once
// Plain arithmetic with the x87 traps for invalid operation, division by zero
// and overflow. The traps are emulated by inspecting each result: an infinity
// out of finite operands is an overflow (a division by zero when the divisor
// was zero), a NaN out of non-NaN operands is an invalid operation. Underflow
// and inexact results stay silent. No signals: the exceptions stay masked.
//
// The control word is this library's too: every result assumes 64-bit
// precision and round-to-nearest, which a start-up code (MinGW's sets
// 53-bit first) or a loaded library may have changed.
//
//   Plus(1, 2)            -> 3
//   Times(1e4000L, 1e4000L) throws EOverflow "Floating point overflow"
//   Over(1, 0)            throws EZeroDivide "Floating point division by zero"
//   Over(0, 0)            throws EInvalidOp "Invalid floating point operation"

#include "math/Extended.h"

namespace FloatEnv {

// The x87 control word the arithmetic needs: every exception masked, 64-bit
// precision, round to nearest (ties to even).
inline constexpr unsigned short ExtendedControl = 0x037F;

// Sets the x87 control word to ExtendedControl where it differs (precision,
// rounding or masks); returns whether it did. Called before each action.
bool EnsureExtendedControl();
// The control word as it is; and setting it (with the status flags
// cleared), for tests that spoil it.
unsigned short ControlWord();
void SetControlWord(unsigned short control);

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
