#pragma once
// CVMath: the guarded arithmetic. Stateless functions on Extended numbers that
// either return a finite result or throw EMathError with one of the five
// texts of CVMathConst. Operations that are not guarded here (the plain steps
// of Subtract, Power, the raw logarithms) fall back on the trap emulation of
// FloatEnv, whose errors are kinds of EMathError too.

#include "math/Extended.h"
#include "math/MathError.h"

namespace CVMath {

// A magnitude below MinMagnitude counts as zero; results stay below MaxMagnitude.
inline constexpr Extended MinMagnitude = FromBits(0x0001, 0x81715A78058E9164);  // 3.4e-4932
inline constexpr Extended MaxMagnitude = FromBits(0x7FFE, 0xECB12AED7F5875E1);  // 1.1e4932
inline constexpr Extended ENumber = FromBits(0x4000, 0xADF85458A2BB4A9B);       // e
inline constexpr Extended NearOneWindow = FromBits(0x3FFB, 0xCCCCCCCCCCCCCCCD); // 0.1
inline constexpr Extended MaxExpArgument = 11356;

bool IsNegligible(Extended x);    // abs(x) < MinMagnitude
bool IsPositiveValue(Extended x); // x >= MinMagnitude

// Add(2, 3) -> 5; Add(1e4932, 2e4931) and Add(1e4932, -1e4932) -> "Overflow":
// the guard compares magnitudes only, whatever the signs.
Extended Add(Extended a, Extended b);
// Subtract(x, x) -> exactly 0; Subtract(1e-4933, 5) -> -5. No range guard: a
// difference beyond the Extended range is "Floating point overflow".
Extended Subtract(Extended a, Extended b);
// Multiply(0, 1e4932) -> 0; Multiply(1e2500, 1e2500) and
// Multiply(1e-2500, 1e-2500) -> "Overflow" (the underflow guard shares it).
Extended Multiply(Extended a, Extended b);
// Divide(6, 3) -> 2; Divide(0, 2) -> 0; Divide(1, 0), Divide(1e4000, 1e-1000)
// and Divide(1e-4000, 1e1000) -> "Division by zero".
Extended Divide(Extended a, Extended b);
Extended Reciprocal(Extended x); // Divide(1, x)
Extended Square(Extended x);     // Multiply(x, x)
Extended Cube(Extended x);       // Multiply(x, Multiply(x, x))

// SquareRoot(4) -> 2; SquareRoot(-1e-4940) -> "Negativ value".
Extended SquareRoot(Extended x);
// Power(-2, 3) -> 8 (the base's sign is dropped); Power(0, 0) -> 1;
// Power(0, -1) -> 0; Power(10, 5000) -> "Overflow".
Extended Power(Extended base, Extended exponent);
// Exp(11356) -> 7.05e4931; Exp(11356.5) and Exp(-11356.5) -> "Overflow".
Extended Exp(Extended x);
// Ln(1) -> 0; Lg(1000) -> 3; Lb(8) -> 3; each of 0 -> "Negativ value".
Extended Ln(Extended x);
Extended Lg(Extended x);
Extended Lb(Extended x);
// LogBase(2, 8) -> 3; LogBase(-2, 8) -> "Negativ value";
// LogBase(1, 8) -> "Division by zero" (lb 1 is 0).
Extended LogBase(Extended base, Extended x);

// Unchecked primitives; only the arithmetic environment's traps apply.
Extended LgRaw(Extended x);     // log10 x
Extended LgOnePlus(Extended y); // log10(1 + y), accurate for small y
Extended LbRaw(Extended x);     // log2 x
Extended LbOnePlus(Extended y); // log2(1 + y), accurate for small y

} // namespace CVMath
