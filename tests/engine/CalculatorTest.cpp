#include "engine/Calculator.h"
#include "KeySequences.h"
#include "engine/CalculatorForm.h"
#include "engine/KeyTokens.h"
#include "engine/NumberText.h"
#include "math/FloatEnv.h"
#include "math/MathError.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

using namespace engine;

namespace {

// Performs the tokens of a key sequence; a failing key is reported by its
// message, as the window would, and the sequence goes on. The messages come
// back joined by "; ".
std::string Press(TCVCalculator& calculator, const std::string& keys) {
  std::istringstream tokens(keys);
  std::string token, errors;
  while (tokens >> token) {
    const std::optional<KeyToken> key = ParseKeyToken(token);
    if (!key) throw std::invalid_argument("unknown key " + token);
    try {
      PerformKeyToken(calculator, *key);
    } catch (const std::runtime_error& error) {
      errors += (errors.empty() ? "" : "; ") + std::string(error.what());
    }
  }
  return errors;
}

class Engine : public ::testing::Test {
protected:
  void SetUp() override { LoadCalculatorForm(calculator); }

  // Pressing Clear first, as the sequences of the state machine assume.
  std::string Run(const std::string& keys) { return Press(calculator, "C " + keys); }

  TCVCalculator calculator;
};

class EngineKeySequences : public ::testing::TestWithParam<KeySequence> {};

TEST_P(EngineKeySequences, LeaveTheirValueMemoryAndOperation) {
  const KeySequence& row = GetParam();
  TCVCalculator fresh;
  LoadCalculatorForm(fresh);
  EXPECT_EQ(Press(fresh, row.keys), row.errors);
  EXPECT_EQ(fresh.Value(), row.value);
  EXPECT_EQ(fresh.Memory().Value(), row.memory);
  EXPECT_EQ(OperationName(fresh.Operation()), row.operation);
}

INSTANTIATE_TEST_SUITE_P(Table, EngineKeySequences, ::testing::ValuesIn(KeySequences()),
                         KeySequenceName);

// Whatever precision and rounding a library left behind, each action
// computes under the engine's own.
TEST_F(Engine, ActionsComputeUnderTheirOwnPrecision) {
  FloatEnv::SetControlWord(0x0E7F); // 53-bit precision, rounding toward zero
  Run("2 / 3 =");
  EXPECT_EQ(ToBits(calculator.Number()), (ExtendedBits{0x3FFE, 0xAAAAAAAAAAAAAAAB}));
  EXPECT_EQ(FloatEnv::ControlWord() & 0x0F3F, 0x033F);
  FloatEnv::SetControlWord(0x027F);
  calculator.SetValue("0.1");
  EXPECT_EQ(calculator.Number(), 0.1L);
}

TEST_F(Engine, NewEngineState) {
  TCVCalculator fresh;
  EXPECT_EQ(fresh.Value(), "0");
  EXPECT_EQ(fresh.Operation(), coNone);
  EXPECT_EQ(fresh.AngularMeasure(), amRad);
  EXPECT_FALSE(fresh.Entering());
  EXPECT_FALSE(fresh.AwaitingOperand());
  EXPECT_FALSE(fresh.EqualEnabled());
  EXPECT_EQ(fresh.Memory().CellsQuantity(), 10);
  // Equal and percent do nothing until something enables them.
  Press(fresh, "5 + 3");
  TCVCalculator idle;
  Press(idle, "5 = %");
  EXPECT_EQ(idle.Value(), "5");
  EXPECT_FALSE(idle.EqualEnabled());
  EXPECT_TRUE(idle.Entering());
}

TEST_F(Engine, FormLoadLeavesTheEngineEnteringZero) {
  EXPECT_TRUE(calculator.Entering());
  EXPECT_EQ(calculator.Action(), ca0);
  calculator.SetValue("0"); // the stored value of a first start
  EXPECT_TRUE(calculator.Entering());
  calculator.SetValue("12"); // any other stored value ends the entry
  Press(calculator, "5");
  EXPECT_EQ(calculator.Value(), "5");
}

TEST_F(Engine, SetValueCleansAndKeepsTheText) {
  Run("7 +");
  calculator.SetValue("1234567890E+1234");
  EXPECT_EQ(calculator.Value(), "1234567890E+1234");
  EXPECT_EQ(calculator.Number(), 1234567890e1234L);
  EXPECT_FALSE(calculator.AwaitingOperand());
  EXPECT_EQ(calculator.Operation(), coPlus);
  EXPECT_EQ(calculator.Accumulator(), 7);

  calculator.SetValue("");
  EXPECT_EQ(calculator.Value(), "0");
  EXPECT_EQ(calculator.Number(), 0);

  calculator.SetValue("42");
  calculator.SetValue("abc"); // stored empty, number kept
  EXPECT_EQ(calculator.Value(), "");
  EXPECT_EQ(calculator.Number(), 42);
}

TEST_F(Engine, SetValueWithTheSameTextChangesNoFlag) {
  Run("1 2");
  calculator.SetValue("12");
  EXPECT_TRUE(calculator.Entering());
  calculator.SetValue("13");
  EXPECT_FALSE(calculator.Entering());
}

TEST_F(Engine, CommaSeparator) {
  calculator.SetSeparators({',', "."});
  calculator.SetValue("1.234,5");
  EXPECT_EQ(calculator.Value(), "1234,5");
  EXPECT_EQ(calculator.Number(), 1234.5L);
  Run("1 . 5 + 1 =");
  EXPECT_EQ(calculator.Value(), "2,5");
  Run(".");
  EXPECT_EQ(calculator.Value(), "0,");
}

TEST_F(Engine, UnreadableValueFailsTextActionsUntilReplaced) {
  Run("4 +");
  calculator.SetValue("1E5E5");
  EXPECT_THROW(calculator.SetAction(ca7), EConvertError);
  EXPECT_THROW(calculator.SetAction(caSignChange), EConvertError);
  EXPECT_EQ(calculator.Value(), "1E5E5");
  Press(calculator, "CE 7");
  EXPECT_EQ(calculator.Value(), "7");
}

TEST_F(Engine, DigitsOntoExponentTextStayAppendedWhenUnreadable) {
  Run("1 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 0 +/-"); // the entry stays open as "-1E16"
  EXPECT_EQ(calculator.Value(), "-1E16");
  Press(calculator, "9 9");
  EXPECT_EQ(calculator.Value(), "-1E1699");
  EXPECT_EQ(calculator.Number(), -1e1699L);
  Press(calculator, "9"); // the exponent no longer reads: kept, number unchanged
  EXPECT_EQ(calculator.Value(), "-1E16999");
  EXPECT_EQ(calculator.Number(), -1e1699L);
  EXPECT_THROW(calculator.SetAction(ca1), EConvertError);
}

TEST_F(Engine, FailingEqualLeavesValueOperationAndAccumulator) {
  Run("value=1E3000 *");
  EXPECT_THROW(calculator.SetAction(caEqual), EMathError);
  EXPECT_EQ(calculator.Value(), "1E3000");
  EXPECT_EQ(calculator.Operation(), coMulty);
  EXPECT_EQ(calculator.Accumulator(), 1e3000L);
  EXPECT_EQ(calculator.LastOperand(), 1e3000L);
  EXPECT_TRUE(calculator.AwaitingOperand());
  EXPECT_TRUE(calculator.EqualEnabled());
  EXPECT_EQ(calculator.Action(), caEqual);
  try {
    calculator.SetAction(caEqual);
    ADD_FAILURE() << "the second Equal must fail again";
  } catch (const EMathError& error) {
    EXPECT_STREQ(error.what(), "Overflow");
  }
  Press(calculator, "C");
  EXPECT_EQ(calculator.Value(), "0");
  EXPECT_EQ(calculator.Operation(), coNone);
}

TEST_F(Engine, FailingOperationKeepsTheOldOnePending) {
  Run("5 / 0");
  EXPECT_THROW(calculator.SetAction(caPlus), EMathError);
  EXPECT_EQ(calculator.Operation(), coDivide);
  EXPECT_EQ(calculator.Value(), "0");
  EXPECT_TRUE(calculator.Entering());
  EXPECT_EQ(calculator.Accumulator(), 5);
  EXPECT_EQ(calculator.LastOperand(), 0);
}

TEST_F(Engine, FailingSqrtOnlyEnablesEqual) {
  TCVCalculator fresh;
  Press(fresh, "4 +/-");
  EXPECT_THROW(fresh.SetAction(caSqrt), EMathError);
  EXPECT_TRUE(fresh.EqualEnabled());
  EXPECT_EQ(fresh.Number(), -4);
  EXPECT_EQ(fresh.Accumulator(), 0);
  EXPECT_TRUE(fresh.Entering());
}

TEST_F(Engine, FailingPercentOnlySetsTheRightOperand) {
  Run("5 / 0");
  EXPECT_THROW(calculator.SetAction(caPerCent), EMathError);
  EXPECT_EQ(calculator.LastOperand(), 0);
  EXPECT_EQ(calculator.Operation(), coDivide);
  EXPECT_TRUE(calculator.EqualEnabled());
}

TEST_F(Engine, FailingMemoryPlusHasEndedTheOperation) {
  calculator.Memory().SetValue("1.09E4932");
  Run("value=5E4930 + 1");
  EXPECT_THROW(calculator.SetAction(caMemPlus), EMathError);
  EXPECT_EQ(calculator.Value(), "5E4930"); // 5e4930 + 1 was calculated
  EXPECT_EQ(OperationName(calculator.Operation()), "coNone");
  EXPECT_FALSE(calculator.AwaitingOperand());
  EXPECT_EQ(calculator.Memory().Value(), "1.09E4932");
}

TEST_F(Engine, PercentEndsWithEqualDisabled) {
  Run("5 0 %");
  EXPECT_FALSE(calculator.EqualEnabled());
  EXPECT_TRUE(calculator.AwaitingOperand());
  EXPECT_EQ(calculator.Accumulator(), 50);
  EXPECT_EQ(calculator.LastOperand(), 50);
}

TEST_F(Engine, BackspaceEmptyingEndsTheRunningOperand) {
  Run("5 + 3 BACK");
  EXPECT_FALSE(calculator.AwaitingOperand());
  EXPECT_FALSE(calculator.Entering());
}

TEST_F(Engine, XYAndPowerAreTheSame) {
  TCVCalculator viaXY, viaPower;
  Press(viaXY, "C 3 caXY 4 =");
  Press(viaPower, "C 3 caPower 4 =");
  EXPECT_EQ(viaXY.Value(), viaPower.Value());
  EXPECT_EQ(viaXY.Number(), viaPower.Number());
  EXPECT_EQ(viaXY.Operation(), coPower);
}

TEST_F(Engine, ActionsPastTheLastAreStoredOnly) {
  Run("1 2");
  calculator.SetAction(static_cast<TCalcAction>(200));
  EXPECT_EQ(calculator.Action(), 200);
  EXPECT_EQ(calculator.Value(), "12");
  EXPECT_TRUE(calculator.Entering());
}

TEST_F(Engine, SignChangeWorksOnTheShownText) {
  Run("1 / 3 = +/-");
  EXPECT_EQ(calculator.Value(), "-0.333333333333333");
  EXPECT_EQ(calculator.Number(), -0.333333333333333L);
}

} // namespace

// A result taken again keeps its bits: shown as a result, with every bit in
// the calculation; as the right operand while an operation waits.
TEST(EngineEnterNumber, AResultWithAllItsBits) {
  const Extended third = Extended(1) / 3;
  TCVCalculator alone;
  Press(alone, "5 + 2 =");
  alone.EnterNumber(third);
  EXPECT_EQ(alone.Value(), "0.333333333333333");
  EXPECT_EQ(ToBits(alone.Number()), ToBits(third));
  EXPECT_FALSE(alone.AwaitingOperand());
  Press(alone, "* 3 =");
  EXPECT_EQ(alone.Number(), 1);

  TCVCalculator operand;
  Press(operand, "2 +");
  operand.EnterNumber(third);
  EXPECT_EQ(operand.Operation(), coPlus);
  Press(operand, "=");
  EXPECT_EQ(ToBits(operand.Number()), ToBits(2 + third));
  Press(operand, "7 +");
  operand.EnterNumber(Extended(7));
  Press(operand, "=");
  EXPECT_EQ(operand.Value(), "14");
}
