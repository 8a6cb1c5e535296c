// The engine's unary function actions and pi. A function action works on the
// current number, a trigonometric one and its inverse in the current
// AngularMeasure (math/AngleUnits reduces and converts), and stores the
// result only once everything has succeeded: a failing function leaves the
// number, its text, the accumulator and the three flags as they were.

#include "engine/Calculator.h"
#include "engine/NumberText.h"
#include "math/AngleUnits.h"
#include "math/CVMath.h"

#include <array>
#include <cassert>

namespace {

using CVMath::AngleUnit;

// By TAngularMeasure; radians take the radian functions themselves.
constexpr auto Units = engine::RowsFor<const AngleUnit*, amCycle + 1>({
    nullptr,
    &CVMath::Degrees,
    &CVMath::Grads,
    &CVMath::Turns,
});

// A unary function action: its radian function, and for the trigonometric
// ones and their inverses the same function in one of the other units.
struct FunctionAction {
  TCalcAction action;
  Extended (*function)(Extended);
  Extended (*inUnit)(const AngleUnit&, Extended) = nullptr;
};

// Every unary function action. caLog, caXY and caPower are binary operations
// and caPI loads a constant; none of them comes here.
// clang-format off
constexpr FunctionAction FunctionActions[] = {
    {caSin,       CVMath::Sin,       CVMath::SinIn},
    {caCos,       CVMath::Cos,       CVMath::CosIn},
    {caTg,        CVMath::Tg,        CVMath::TgIn},
    {caCtg,       CVMath::Ctg,       CVMath::CtgIn},
    {caSec,       CVMath::Sec,       CVMath::SecIn},
    {caCosec,     CVMath::Cosec,     CVMath::CosecIn},
    {caArcSin,    CVMath::ArcSin,    CVMath::ArcSinIn},
    {caArcCos,    CVMath::ArcCos,    CVMath::ArcCosIn},
    {caArcTg,     CVMath::ArcTg,     CVMath::ArcTgIn},
    {caArcCtg,    CVMath::ArcCtg,    CVMath::ArcCtgIn},
    {caSh,        CVMath::Sh},
    {caCh,        CVMath::Ch},
    {caTh,        CVMath::Th},
    {caCth,       CVMath::Cth},
    {caSech,      CVMath::Sech},
    {caCosech,    CVMath::Cosech},
    {caArSh,      CVMath::ArSh},
    {caArCh,      CVMath::ArCh},
    {caArTh,      CVMath::ArTh},
    {caArCth,     CVMath::ArCth},
    {caLn,        CVMath::Ln},
    {caLg,        CVMath::Lg},
    {caExp,       CVMath::Exp},
    {ca3root,     CVMath::CubeRoot},
    {caSqr,       CVMath::Square},
    {caX3,        CVMath::Cube},
    {caFactorial, CVMath::Factorial},
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
  const AngleUnit* unit = Units[FAngularMeasure];
  FNumber = row->inUnit != nullptr && unit != nullptr ? row->inUnit(*unit, FNumber)
                                                      : row->function(FNumber);
  ShowNumber();
  FinishFunction();
}

// Unlike the functions, pi leaves the accumulator alone, so it can be the
// right operand of a pending operation.
void TCVCalculator::DoPI() {
  const bool operand = OperandAwaited();
  FNumber = CVMath::PiValue();
  ShowNumber();
  FEntering = false;
  FAwaitingOperand = true;
  FOperandSupplied = operand;
  FEqualEnabled = true;
}
