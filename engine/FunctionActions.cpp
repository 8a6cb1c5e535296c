// The engine's unary function actions and pi. A function action works on the
// current number, converting a trigonometric argument to radians or an
// inverse's result from radians in the current AngularMeasure, and stores the
// result only once everything has succeeded: a failing function leaves the
// number, its text, the accumulator and the three flags as they were.

#include "engine/Calculator.h"
#include "engine/NumberText.h"
#include "math/CVMath.h"
#include "math/FloatEnv.h"

#include <array>
#include <cassert>

namespace {

// Where the angle unit enters: the argument of a trigonometric function, the
// result of an inverse one, or nowhere.
enum class AngleConversion { None, Argument, Result };

// The factors of a unit. A full turn is the correctly rounded 2 pi (not twice
// PiNumber), and the way back divides by it instead of multiplying by a
// rounded reciprocal.
struct UnitFactors {
  Extended toRadians;
  Extended fromRadians;
  bool divideBack;
};
constexpr Extended TwoPi = FromBits(0x4001, 0xC90FDAA22168C235);
// By TAngularMeasure: radians, degrees (pi/180 and 180/pi), grads (pi/200
// and 200/pi), full turns.
constexpr auto Units = engine::RowsFor<UnitFactors, amCycle + 1>({
    {1, 1, false},
    {FromBits(0x3FF9, 0x8EFA351294E9C8AE), FromBits(0x4004, 0xE52EE0D31E0FBDC3), false},
    {FromBits(0x3FF9, 0x80ADFC90B938CE36), FromBits(0x4004, 0xFEA5DD5C5A4A6111), false},
    {TwoPi, TwoPi, true},
});

// Plain operations: an angle too large for its unit overflows in the
// environment rather than being refused by the guarded Multiply.
Extended ToRadians(TAngularMeasure unit, Extended x) {
  if (unit == amRad) return x;
  return FloatEnv::Times(x, Units[unit].toRadians);
}

Extended FromRadians(TAngularMeasure unit, Extended y) {
  if (unit == amRad) return y;
  const UnitFactors& factors = Units[unit];
  return factors.divideBack ? FloatEnv::Over(y, factors.fromRadians)
                            : FloatEnv::Times(y, factors.fromRadians);
}

struct FunctionAction {
  TCalcAction action;
  Extended (*function)(Extended);
  AngleConversion conversion;
};

using enum AngleConversion;

// Every unary function action. caLog, caXY and caPower are binary operations
// and caPI loads a constant; none of them comes here.
// clang-format off
constexpr FunctionAction FunctionActions[] = {
    {caSin,       CVMath::Sin,       Argument},
    {caCos,       CVMath::Cos,       Argument},
    {caTg,        CVMath::Tg,        Argument},
    {caCtg,       CVMath::Ctg,       Argument},
    {caSec,       CVMath::Sec,       Argument},
    {caCosec,     CVMath::Cosec,     Argument},
    {caArcSin,    CVMath::ArcSin,    Result},
    {caArcCos,    CVMath::ArcCos,    Result},
    {caArcTg,     CVMath::ArcTg,     Result},
    {caArcCtg,    CVMath::ArcCtg,    Result},
    {caSh,        CVMath::Sh,        None},
    {caCh,        CVMath::Ch,        None},
    {caTh,        CVMath::Th,        None},
    {caCth,       CVMath::Cth,       None},
    {caSech,      CVMath::Sech,      None},
    {caCosech,    CVMath::Cosech,    None},
    {caArSh,      CVMath::ArSh,      None},
    {caArCh,      CVMath::ArCh,      None},
    {caArTh,      CVMath::ArTh,      None},
    {caArCth,     CVMath::ArCth,     None},
    {caLn,        CVMath::Ln,        None},
    {caLg,        CVMath::Lg,        None},
    {caExp,       CVMath::Exp,       None},
    {ca3root,     CVMath::CubeRoot,  None},
    {caSqr,       CVMath::Square,    None},
    {caX3,        CVMath::Cube,      None},
    {caFactorial, CVMath::Factorial, None},
};
// clang-format on

// The row of each action, by ordinal; null for the actions that are not unary
// functions.
constexpr auto FunctionOf = [] {
  std::array<const FunctionAction*, CalcActionCount> rows{};
  for (const FunctionAction& row : FunctionActions)
    rows[row.action] = &row;
  return rows;
}();

} // namespace

void TCVCalculator::DoFunction(TCalcAction action) {
  const FunctionAction* row = FunctionOf[action];
  assert(row != nullptr && "only unary function actions are dispatched here");
  Extended x = FNumber;
  if (row->conversion == Argument) x = ToRadians(FAngularMeasure, x);
  Extended y = row->function(x);
  if (row->conversion == Result) y = FromRadians(FAngularMeasure, y);
  FNumber = y;
  ShowNumber();
  FinishFunction();
}

// Unlike the functions, pi leaves the accumulator alone, so it can be the
// right operand of a pending operation.
void TCVCalculator::DoPI() {
  const bool operand = OperationPending();
  FNumber = CVMath::PiValue();
  ShowNumber();
  FEntering = false;
  FAwaitingOperand = true;
  FOperandSupplied = operand;
  FEqualEnabled = true;
}
