#pragma once
// The texts of the guarded arithmetic's errors, spelled as the user sees them.

namespace CVMathConst {
inline constexpr const char* SOverflow = "Overflow";
inline constexpr const char* SDivisionByZero = "Division by zero";
inline constexpr const char* SInvalidValue = "Invalid value";
inline constexpr const char* SNegativValue = "Negativ value";
inline constexpr const char* SAngleTooLarge = "Angle Magnitude too large";

// The arithmetic environment's own trap messages.
inline constexpr const char* SInvalidOp = "Invalid floating point operation";
inline constexpr const char* SZeroDivide = "Floating point division by zero";
inline constexpr const char* SFloatOverflow = "Floating point overflow";
} // namespace CVMathConst
