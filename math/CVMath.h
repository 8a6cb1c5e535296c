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
// Power(2, 10) -> 1024; Power(-2, 3) -> -8; Power(-2, 2) -> 4;
// Power(-8, 1/3) -> "Invalid value" (no real power of a negative base for an
// exponent that is not whole); Power(0, 0) -> 1; Power(0, -1) -> 0;
// Power(10, 5000) -> "Overflow".
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

// Trigonometric, hyperbolic and special functions. Angles are in radians.
// Each is composed of the guarded operations above; the step that refuses
// decides the message, so ArcSin(1e-3000) is "Overflow" (its Square
// underflows) and Ctg(0) is "Floating point division by zero" (a plain 1/0).

// Pi rounded toward zero: one unit in the last place below the correctly
// rounded pi (significand ...C235). HalfPiNumber has the same significand.
inline constexpr Extended PiNumber = FromBits(0x4000, 0xC90FDAA22168C234);
inline constexpr Extended HalfPiNumber = FromBits(0x3FFF, 0xC90FDAA22168C234);
// 2^63: the tangent refuses and the sine and cosine give 0 from here on.
inline constexpr Extended MaxAngle = FromBits(0x403E, 0x8000000000000000);
inline constexpr Extended OneThird = FromBits(0x3FFD, 0xAAAAAAAAAAAAAAAB); // 1/3 to nearest
// 1754! is about 1.98e4930; 1755! leaves the Extended range.
inline constexpr Extended MaxFactorialArgument = 1754;

// CubeRoot(-8) -> -2 (up to the last bits of Exp); CubeRoot(0) -> 0;
// CubeRoot(1e-4940) -> "Negativ value" (Ln refuses the negligible base).
Extended CubeRoot(Extended x);
// n! of a whole n from 0 to 1754: Factorial(0) -> 1, Factorial(5) -> 120.
// The limit comes first: Factorial(1754.01) -> "Overflow". Then anything
// that is not a whole number, or negative, has no factorial:
// Factorial(0.5), Factorial(2.5), Factorial(-3) -> "Invalid value".
Extended Factorial(Extended x);
Extended PiValue(); // PiNumber
// Sign(-0.5) -> -1; Sign(0) -> 0; Sign(7) -> 1.
int Sign(Extended x);
// The angle of the point (X, Y) in (-pi, pi], exact on the axes:
// ArcTg2(0, 0) -> 0; ArcTg2(-1, 0) -> PiNumber; ArcTg2(0, -5) -> -HalfPiNumber.
Extended ArcTg2(Extended X, Extended Y);

// Sin(2^63) -> 0, Cos(2^63) -> 0: at and beyond MaxAngle both give 0.
Extended Sin(Extended x);
Extended Cos(Extended x);
// Tg(2^63) -> "Angle Magnitude too large"; Tg(2^63 - 1 ulp) returns.
// Ctg(0) -> "Floating point division by zero" (not tested for).
Extended Tg(Extended x);
Extended Ctg(Extended x);
// 1/cos x and 1/sin x: Cosec(0) and Sec(2^63) -> "Invalid value" (an exact
// zero denominator).
Extended Sec(Extended x);
Extended Cosec(Extended x);
// ArcSin(1) -> HalfPiNumber; ArcSin(-0.9) -> -1.1198 (second branch);
// ArcSin(1.0000001) -> "Invalid value"; ArcSin(1e-3000) -> "Overflow".
// ArcCos(1) -> 0; ArcCos(-1) -> PiNumber; ArcCos(-0.9) -> 2.6906.
Extended ArcSin(Extended x);
Extended ArcCos(Extended x);
// ArcTg(1) -> pi/4. ArcCtg(x) is ArcTg(Reciprocal(x)), in (-pi/2, pi/2):
// ArcCtg(-1) -> -pi/4; ArcCtg(0) -> "Division by zero".
Extended ArcTg(Extended x);
Extended ArcCtg(Extended x);

// Sh(0) -> exactly 0; Sh(1e-30) -> 0 as well (the exponentials are equal);
// Sh and Ch of abs(x) above 11356 -> "Overflow" (Exp).
Extended Sh(Extended x);
Extended Ch(Extended x);
// Th(0) -> 0; Th(20000) -> "Overflow" (through Ch); Cth(0) -> "Division by
// zero" (the reciprocal of 0).
Extended Th(Extended x);
Extended Cth(Extended x);
// Sech(0) -> 1; Sech(11356) -> "Division by zero" (the reciprocal would fall
// below MinMagnitude); Cosech(0) -> "Invalid value".
Extended Sech(Extended x);
Extended Cosech(Extended x);
// ArSh(1) -> 0.8814; ArSh(-1e10) -> "Negativ value" (x + sqrt(x^2 + 1)
// cancels to 0). ArCh(1) -> 0; ArCh(0.5) and ArCh(-2) -> "Negativ value".
Extended ArSh(Extended x);
Extended ArCh(Extended x);
// ArTh(0) -> 0; ArTh(1), ArTh(-1), ArTh(2) -> "Invalid value".
// ArCth(2) -> 0.5493; ArCth(1), ArCth(-1), ArCth(0) -> "Invalid value".
Extended ArTh(Extended x);
Extended ArCth(Extended x);

// Unchecked primitives; only the arithmetic environment's traps apply.
Extended TgRaw(Extended x);                 // tan x
Extended CtgRaw(Extended x);                // 1 / tan x, a plain division
Extended ArcTg2Raw(Extended X, Extended Y); // four-quadrant arctangent of Y/X

} // namespace CVMath
