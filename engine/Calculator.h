#pragma once
// TCVCalculator: the calculator engine. It holds the value as number text
// together with its Extended number, a pending binary operation with its two
// operands, three state flags and the memory cells. Assigning Action performs
// one action at once; callers then read Value, Memory().Value() and
// Operation(). Math and conversion errors pass out of SetAction; the fields a
// failing action had already written keep their new contents, so every
// handler runs its steps in a fixed order.

#include "engine/CalcMemory.h"
#include "engine/CalcTypes.h"
#include "math/Extended.h"

#include <string>

class TCVCalculator {
public:
  TCVCalculator() = default;

  // The value text, cleaned of everything but number characters.
  std::string Value() const;
  // Stores the cleaned text (empty becomes "0") and ends entry and the running
  // operand; an unreadable text is stored but keeps the previous number.
  // The same text again changes nothing.
  void SetValue(const std::string& text);
  // A number that arrives whole, pasted or submitted: while an operation
  // waits for its right operand it becomes that operand, as if typed (the
  // entry ends, so a digit then starts a new number); otherwise it is set
  // as Value is.
  void EnterNumber(const std::string& text);

  TCVCalcMemory& Memory() { return FMemory; }
  const TCVCalcMemory& Memory() const { return FMemory; }

  TCalcOperation Operation() const { return FOperation; }
  void SetOperation(TCalcOperation operation);

  TCalcAction Action() const { return FAction; }
  // Performs the action, every time it is assigned; ordinals past caPI are
  // stored and do nothing.
  void SetAction(TCalcAction action);

  TAngularMeasure AngularMeasure() const { return FAngularMeasure; }
  void SetAngularMeasure(TAngularMeasure measure);

  // The calculation state, read-only.
  Extended Number() const { return FNumber; }
  Extended Accumulator() const { return FAccumulator; }
  Extended LastOperand() const { return FLastOperand; }
  bool Entering() const { return FEntering; }
  bool AwaitingOperand() const { return FAwaitingOperand; }
  bool EqualEnabled() const { return FEqualEnabled; }
  bool OperandSupplied() const { return FOperandSupplied; }

private:
  struct Dispatch;

  // Entry editing and binary operations.
  void EnterDigit(char digit);
  void EnterDecSep();
  void BeginOperation(TCalcOperation operation);
  void Calculate();
  void DoEqual();
  void DoSqrt();
  void DoPerCent();
  void DoInverse();
  void DoSignChange();
  void DoClearEntr();
  void DoClear();
  void DoBackSpace();

  // Memory.
  void CompleteRunningOperation();
  void DoMemPlus();
  void DoMemMinus();
  void DoMemRecall();
  void DoMemClear();

  // Function actions.
  void DoFunction(TCalcAction action);
  void DoPI();
  void FinishFunction();

  // An operation waits for its right operand, and whether the value on
  // display has been given as that operand.
  bool OperandAwaited() const;
  bool RightOperandGiven() const;
  // A unary key, a recall or a number arriving whole made the value the
  // right operand: the pending operation and its left operand stay.
  void SupplyOperand();

  // The cleaned text as the value, with its number when it reads.
  void StoreText(const std::string& text);
  // The current value as number text, and whether it holds the separator.
  void ShowNumber();
  bool HasDecimalSeparator() const;

  std::string FValue = "0";
  TCVCalcMemory FMemory;
  TCalcOperation FOperation = coNone;
  Extended FNumber = 0;
  Extended FAccumulator = 0;
  Extended FLastOperand = 0;
  bool FAwaitingOperand = false;
  bool FEntering = false;
  bool FEqualEnabled = false;
  // The mark that the right operand was given other than by typing (which
  // FEntering shows), so that it counts even when it equals the accumulator.
  // One rule: a key that gives the operand whole sets it (square root,
  // reciprocal, sign change, a function, pi, memory recall, a pasted number),
  // and everything that ends or starts an operand clears it (clear entry,
  // clear, a typed new number, a Value written, an operation begun or
  // calculated, memory clear, M+ and M-, backspace emptying the entry).
  bool FOperandSupplied = false;
  TCalcAction FAction = ca0;
  TAngularMeasure FAngularMeasure = amRad;
};
