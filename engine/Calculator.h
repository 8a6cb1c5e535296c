#pragma once
// TCVCalculator: the calculator engine. It holds the value as number text
// together with its Extended number, a pending binary operation with its two
// operands, four state flags and the memory cells. Assigning Action performs
// one action at once; callers then read Value, Memory().Value() and
// Operation(). Math and conversion errors pass out of SetAction; the fields a
// failing action had already written keep their new contents, so every
// handler runs its steps in a fixed order.
//
// The state machine's flags:
//   flag              means                        set by                 cleared by
//   FEntering         digits append to the value   a digit or separator   a value set, any other
//                                                  starting an entry      key but +/- (backspace
//                                                                         when it empties it)
//   FAwaitingOperand  the accumulator holds a left an operation begun or  Equal, C, a value set,
//                     operand; the value is (to    calculated, %, a       sqrt and 1/x with no
//                     be) the right one            function, pi, MC       operation pending, M+,
//                                                                         M-, backspace emptying
//   FEqualEnabled     Equal and % act              operations, Equal, CE, %
//                                                  C, functions, sqrt,
//                                                  1/x, pi
//   FOperandSupplied  the right operand was given  sqrt, 1/x, a function, all that ends or starts
//                     whole (not typed, which      pi, +/-, MR or a       an operand: CE, C, a
//                     typed FEntering shows): it counts  pasted number, each    new number, a value
//                     set, even when it equals the      while an operation is  an operation begun
//                     or accumulator                  pending                calculated, %, MC, M+,
//                                                                         M-, backspace emptying;
//                                                                         and wherever
//                                                                         FAwaitingOperand is
//                                                                         cleared
// An operation is pending (OperationPending()) while FAwaitingOperand holds
// and FOperation is not coNone. The invariant, checked in debug builds after
// each action and value: FOperandSupplied implies FAwaitingOperand (the mark
// means something only while a right operand is awaited).

#include "engine/CalcMemory.h"
#include "engine/CalcTypes.h"
#include "engine/NumberText.h"
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
  // A number that arrives with all its bits (a result taken again from the
  // tape): entered as EnterNumber enters it, its text the number's own, as
  // a result shows it, and the number not rounded to that text.
  void EnterNumber(Extended number);

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

  // The separators of the value's and the memory's number texts ("." and ","
  // at first); the window gives the locale's. Texts already stored keep theirs.
  const engine::NumberSeparators& Separators() const { return FSeparators; }
  void SetSeparators(engine::NumberSeparators separators);

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
  bool OperationPending() const;
  bool RightOperandGiven() const;
  // A unary key, a recall or a number arriving whole made the value the
  // right operand: the pending operation and its left operand stay.
  void SupplyOperand();

  // The cleaned text as the value, with its number when it reads.
  void StoreText(const std::string& text);
  // The current value as number text, and whether it holds the separator.
  void ShowNumber();
  bool HasDecimalSeparator() const;

  // Asserts the invariant of the state table (debug builds only).
  void CheckState() const;

  std::string FValue = "0";
  TCVCalcMemory FMemory;
  TCalcOperation FOperation = coNone;
  Extended FNumber = 0;
  Extended FAccumulator = 0;
  Extended FLastOperand = 0;
  bool FAwaitingOperand = false;
  bool FEntering = false;
  bool FEqualEnabled = false;
  // The right-operand mark; its one rule is the state table's last row.
  bool FOperandSupplied = false;
  TCalcAction FAction = ca0;
  TAngularMeasure FAngularMeasure = amRad;
  engine::NumberSeparators FSeparators;
};
