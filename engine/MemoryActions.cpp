// The engine's four memory actions, on the active cell of FMemory.

#include "engine/Calculator.h"
#include "engine/DecimalSum.h"
#include "engine/NumberText.h"
#include "math/CVMath.h"

// M+ and M- first complete an operation whose right operand was supplied,
// then end it, so the memory takes the result.
void TCVCalculator::CompleteRunningOperation() {
  if (FAwaitingOperand && RightOperandGiven()) {
    FLastOperand = FNumber;
    Calculate();
    FOperation = coNone;
  }
  FEntering = false;
  FAwaitingOperand = false;
  FOperandSupplied = false;
}

void TCVCalculator::DoMemPlus() {
  CompleteRunningOperation();
  FMemory.FNumber = engine::DecimalAdd(FMemory.FNumber, FNumber);
  FMemory.SetValue(engine::NumberToText(FMemory.FNumber));
}

void TCVCalculator::DoMemMinus() {
  CompleteRunningOperation();
  FMemory.FNumber = engine::DecimalSubtract(FMemory.FNumber, FNumber);
  FMemory.SetValue(engine::NumberToText(FMemory.FNumber));
}

// The recalled number is the memory's cached number, not a fresh reading of
// the cell, and it becomes the operand a following Equal applies.
void TCVCalculator::DoMemRecall() {
  FNumber = FMemory.FNumber;
  ShowNumber();
  FLastOperand = FNumber;
  FEntering = false;
  if (OperandAwaited()) FOperandSupplied = true;
}

// The old memory number becomes the accumulator of a running operation, so a
// following Equal works on it.
void TCVCalculator::DoMemClear() {
  FAccumulator = FMemory.FNumber;
  FMemory.FNumber = 0;
  FMemory.SetValue("0");
  FAwaitingOperand = true;
  FEntering = false;
  FOperandSupplied = false;
}
