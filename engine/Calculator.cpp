#include "engine/Calculator.h"

#include "engine/DecimalSum.h"
#include "engine/NumberText.h"
#include "math/CVMath.h"

#include <array>

namespace {
// Digit entry does nothing while the number is at or above 1.1e4931.
constexpr Extended EntryLimit = FromBits(0x7FFB, 0xBD5A88BDFF79F7E7);
constexpr Extended PerCentBase = 100;
} // namespace

// The action table: one behaviour per TCalcAction ordinal, in declared order.
struct TCVCalculator::Dispatch {
  using Behaviour = void (*)(TCVCalculator&);

  template <char Digit> static void Enter(TCVCalculator& c) { c.EnterDigit(Digit); }
  template <TCalcOperation Op> static void Begin(TCVCalculator& c) { c.BeginOperation(Op); }
  template <TCalcAction Action> static void Function(TCVCalculator& c) { c.DoFunction(Action); }
  template <void (TCVCalculator::*Handler)()> static void Call(TCVCalculator& c) { (c.*Handler)(); }

  // clang-format off
  static constexpr auto Table = engine::RowsFor<Behaviour, CalcActionCount>({
      Enter<'0'>, Enter<'1'>, Enter<'2'>, Enter<'3'>, Enter<'4'>,
      Enter<'5'>, Enter<'6'>, Enter<'7'>, Enter<'8'>, Enter<'9'>,
      Call<&TCVCalculator::EnterDecSep>,
      Begin<coPlus>, Begin<coMinus>, Begin<coMulty>, Begin<coDivide>,
      Call<&TCVCalculator::DoEqual>,
      Call<&TCVCalculator::DoSqrt>,
      Call<&TCVCalculator::DoPerCent>,
      Call<&TCVCalculator::DoInverse>,
      Call<&TCVCalculator::DoSignChange>,
      Call<&TCVCalculator::DoClear>,
      Call<&TCVCalculator::DoClearEntr>,
      Call<&TCVCalculator::DoBackSpace>,
      Call<&TCVCalculator::DoMemPlus>,
      Call<&TCVCalculator::DoMemMinus>,
      Call<&TCVCalculator::DoMemRecall>,
      Call<&TCVCalculator::DoMemClear>,
      Function<caSin>, Function<caCos>, Function<caTg>, Function<caCtg>,
      Function<caSec>, Function<caCosec>,
      Function<caArcSin>, Function<caArcCos>, Function<caArcTg>, Function<caArcCtg>,
      Function<caSh>, Function<caCh>, Function<caTh>, Function<caCth>,
      Function<caSech>, Function<caCosech>,
      Function<caArSh>, Function<caArCh>, Function<caArTh>, Function<caArCth>,
      Function<caLn>, Function<caLg>,
      Begin<coLog>,
      Function<caExp>, Function<ca3root>, Function<caSqr>, Function<caX3>,
      Begin<coPower>, Begin<coPower>, // caXY and caPower
      Function<caFactorial>,
      Call<&TCVCalculator::DoPI>,
  });
  // clang-format on
};

std::string TCVCalculator::Value() const {
  return engine::RemoveNonNumber(FValue);
}

void TCVCalculator::SetValue(const std::string& text) {
  if (text == FValue) return;
  FEntering = false;
  FAwaitingOperand = false;
  FOperandSupplied = false;
  StoreText(text);
}

// An unreadable text is kept as written; the number stays the previous one.
void TCVCalculator::StoreText(const std::string& text) {
  FValue = engine::RemoveNonNumber(text.empty() ? "0" : text);
  if (const auto number = engine::TryTextToNumber(FValue)) FNumber = *number;
}

void TCVCalculator::EnterNumber(const std::string& text) {
  if (!OperandAwaited()) return SetValue(text);
  StoreText(text);
  SupplyOperand();
}

void TCVCalculator::SetOperation(TCalcOperation operation) {
  FOperation = operation;
}

void TCVCalculator::SetAngularMeasure(TAngularMeasure measure) {
  FAngularMeasure = measure;
}

void TCVCalculator::SetAction(TCalcAction action) {
  FAction = action;
  if (action < Dispatch::Table.size()) Dispatch::Table[action](*this);
}

void TCVCalculator::ShowNumber() {
  FValue = engine::NumberToText(FNumber);
}

bool TCVCalculator::OperandAwaited() const {
  return FAwaitingOperand && FOperation != coNone;
}

bool TCVCalculator::RightOperandGiven() const {
  return FAccumulator != FNumber || FEntering || FOperandSupplied;
}

void TCVCalculator::SupplyOperand() {
  FEntering = false;
  FEqualEnabled = true;
  FOperandSupplied = true;
}

bool TCVCalculator::HasDecimalSeparator() const {
  return FValue.find(engine::CurrentSeparators().decimal) != std::string::npos;
}

void TCVCalculator::EnterDigit(char digit) {
  FNumber = engine::TextToNumber(FValue);
  if (FNumber >= EntryLimit) return;
  if (!FEntering) {
    FValue = std::string(1, digit);
    FNumber = digit - '0';
    FEntering = true;
    FOperandSupplied = false;
    return;
  }
  // An entry of just "0" or "-0" takes the digit in place of its zero.
  if (FValue == "0" || FValue == "-0") FValue.pop_back();
  FValue += digit;
  // A text that no longer reads keeps the appended digit and the old number.
  const auto number = engine::TryTextToNumber(FValue);
  if (!number) return;
  FNumber = *number;
  if (FNumber == 0 && !HasDecimalSeparator()) { // "00" and the like collapse
    FValue = "0";
    FNumber = 0;
    FEntering = false;
  }
}

void TCVCalculator::EnterDecSep() {
  if (HasDecimalSeparator()) return;
  const std::string zeroEntry = std::string("0") + engine::CurrentSeparators().decimal;
  if (!FEntering) {
    FValue = zeroEntry;
    FNumber = 0;
    FOperandSupplied = false;
  } else {
    FValue += engine::CurrentSeparators().decimal;
    FNumber = engine::TextToNumber(FValue);
    if (FNumber == 0) FValue = zeroEntry;
  }
  FEntering = true;
}

void TCVCalculator::BeginOperation(TCalcOperation operation) {
  if (!FAwaitingOperand) {
    FAccumulator = FNumber;
    FAwaitingOperand = true;
  } else if (RightOperandGiven()) {
    // A right operand has been supplied: the running operation goes first.
    FLastOperand = FNumber;
    Calculate();
  }
  FOperation = operation;
  FEntering = false;
  FAwaitingOperand = true;
  FOperandSupplied = false;
  FEqualEnabled = true;
}

void TCVCalculator::Calculate() {
  FEqualEnabled = true;
  const Extended a = FAccumulator;
  const Extended b = FLastOperand;
  switch (FOperation) {
  case coNone: break;
  case coPlus: FNumber = engine::DecimalAdd(a, b); break;
  case coMinus: FNumber = engine::DecimalSubtract(a, b); break;
  case coMulty: FNumber = CVMath::Multiply(a, b); break;
  case coDivide: FNumber = CVMath::Divide(a, b); break;
  case coPower: FNumber = CVMath::Power(a, b); break;
  case coLog: FNumber = CVMath::LogBase(b, a); break;
  }
  ShowNumber();
  FAccumulator = FNumber;
  FEntering = false;
  FAwaitingOperand = true;
  FOperandSupplied = false;
}

// Equal repeats the last operation with the stored right operand; only while
// an operation is running does the value on display become that operand.
void TCVCalculator::DoEqual() {
  if (!FEqualEnabled) return;
  if (FAwaitingOperand) FLastOperand = FNumber;
  Calculate();
  FAwaitingOperand = false;
  FEqualEnabled = true;
}

// Pressed on the right operand of a pending operation, the square root and
// the reciprocal transform that operand; otherwise they end the calculation.
void TCVCalculator::DoSqrt() {
  FEqualEnabled = true;
  FNumber = CVMath::SquareRoot(FNumber);
  ShowNumber();
  if (OperandAwaited()) return SupplyOperand();
  FAccumulator = FNumber;
  FAwaitingOperand = false;
  FEntering = false;
}

void TCVCalculator::DoInverse() {
  FEqualEnabled = true;
  FNumber = CVMath::Reciprocal(FNumber);
  ShowNumber();
  if (OperandAwaited()) return SupplyOperand();
  FEntering = false;
  FAwaitingOperand = false;
}

void TCVCalculator::DoPerCent() {
  if (!FEqualEnabled) return;
  if (FAwaitingOperand) {
    FLastOperand = FNumber;
    const Extended a = FAccumulator;
    const Extended b = FLastOperand;
    switch (FOperation) {
    case coPlus:
      FNumber = engine::DecimalAdd(a, CVMath::Divide(CVMath::Multiply(a, b), PerCentBase));
      break;
    case coMinus:
      FNumber = engine::DecimalSubtract(a, CVMath::Divide(CVMath::Multiply(a, b), PerCentBase));
      break;
    case coMulty: FNumber = CVMath::Divide(CVMath::Multiply(a, b), PerCentBase); break;
    case coDivide: FNumber = CVMath::Multiply(CVMath::Divide(a, b), PerCentBase); break;
    case coNone:
    case coPower:
    case coLog: break;
    }
  }
  ShowNumber();
  FAccumulator = FNumber;
  FLastOperand = FNumber;
  FOperation = coNone;
  FAwaitingOperand = true;
  FOperandSupplied = false;
  FEqualEnabled = false;
  FEntering = false;
}

// Works on the number of the text as shown, not on a full-precision result,
// and keeps an entry open.
void TCVCalculator::DoSignChange() {
  FNumber = engine::TextToNumber(FValue);
  FNumber = FNumber * -1;
  ShowNumber();
  if (OperandAwaited()) FOperandSupplied = true;
}

void TCVCalculator::DoClearEntr() {
  FNumber = 0;
  ShowNumber();
  FEntering = false;
  FOperandSupplied = false;
  FEqualEnabled = true;
}

void TCVCalculator::DoClear() {
  DoClearEntr();
  FOperation = coNone;
  FAwaitingOperand = false;
}

void TCVCalculator::DoBackSpace() {
  if (!FEntering) return;
  const std::size_t length = FValue.size();
  if (length < 2) {
    FNumber = 0;
    FValue = "0";
    FAwaitingOperand = false;
    FOperandSupplied = false;
    FEntering = false;
    return;
  }
  FValue.pop_back();
  if (length == 2 && FValue == "-") FValue = "0";
  FNumber = engine::TextToNumber(FValue);
}

// A function pressed on the right operand of a pending operation transforms
// that operand; otherwise its result becomes the accumulator.
void TCVCalculator::FinishFunction() {
  if (OperandAwaited()) return SupplyOperand();
  FAccumulator = FNumber;
  FEntering = false;
  FAwaitingOperand = true;
  FOperandSupplied = false;
  FEqualEnabled = true;
}
