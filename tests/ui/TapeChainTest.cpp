#include "ui/TapeChain.h"

#include "engine/NumberText.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

using namespace ui;

namespace {

struct Recorded {
  std::vector<std::string> texts;
  std::vector<Extended> results;
};

// Keys the tokens into an engine as the window does: a failing action is
// shown as an error and finishes nothing.
Recorded Key(const std::string& keys, TAngularMeasure measure = amRad, bool thouSep = true,
             engine::NumberSeparators separators = {}) {
  TCVCalculator engine;
  engine.SetSeparators(separators);
  engine.SetAngularMeasure(measure);
  TTapeChain chain;
  chain.SetThouSep(thouSep);
  Recorded recorded;
  std::istringstream tokens(keys);
  for (std::string token; tokens >> token;) {
    const auto action = engine::ActionFromToken(token);
    if (!action) ADD_FAILURE() << "no action " << token;
    if (!action) continue;
    chain.Before(engine, *action);
    try {
      engine.SetAction(*action);
    } catch (const std::exception&) {
      continue;
    }
    if (const auto entry = chain.After(engine)) {
      recorded.texts.push_back(entry->Text);
      recorded.results.push_back(entry->Result);
      EXPECT_EQ(entry->Result, engine.Number()) << keys;
    }
  }
  return recorded;
}

struct ChainCase {
  const char* tag;
  const char* keys;
  TAngularMeasure measure;
  std::vector<std::string> entries;
};

using Entries = std::vector<std::string>;

class TapeChainTexts : public ::testing::TestWithParam<ChainCase> {};

TEST_P(TapeChainTexts, PrintTheChainAsKeyed) {
  const ChainCase& row = GetParam();
  EXPECT_EQ(Key(row.keys, row.measure).texts, row.entries) << row.keys;
}

std::string RowName(const ::testing::TestParamInfo<ChainCase>& info) {
  return info.param.tag;
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Operations, TapeChainTexts, ::testing::Values(
    ChainCase{"Plus", "1 2 + 3 =", amRad, Entries{"12 + 3 = 15"}},
    ChainCase{"Minus", "9 - 1 4 =", amRad, Entries{"9 \u2212 14 = -5"}},
    ChainCase{"Multiply", "1 2 3 4 * 1 0 0 0 =", amRad, Entries{"1,234 \u00D7 1,000 = 1,234,000"}},
    ChainCase{"Divide", "1 / 4 =", amRad, Entries{"1 \u00F7 4 = 0.25"}},
    ChainCase{"Power", "2 caXY 1 0 =", amRad, Entries{"2 x\u02B8 10 = 1,024"}},
    ChainCase{"PowerKey", "3 caPower 2 =", amRad, Entries{"3 x\u02B8 2 = 9"}},
    ChainCase{"LogarithmToABase", "8 caLog 2 =", amRad, Entries{"8 log\u1D67x 2 = 3"}},
    ChainCase{"DecimalsAsKeyed", "8 6 . 4 0 + 1 =", amRad, Entries{"86.40 + 1 = 87.4"}},
    ChainCase{"Chained", "2 + 3 * 4 =", amRad, Entries{"2 + 3 \u00D7 4 = 20"}},
    ChainCase{"OperatorReplaced", "2 + - 3 =", amRad, Entries{"2 \u2212 3 = -1"}},
    ChainCase{"NegativeOperand", "2 * 3 +/- =", amRad, Entries{"2 \u00D7 -3 = -6"}},
    ChainCase{"Pi", "2 * caPI =", amRad, Entries{"2 \u00D7 \u03C0 = 6.28318530717959"}}), RowName);

INSTANTIATE_TEST_SUITE_P(PerCent, TapeChainTexts, ::testing::Values(
    ChainCase{"Added", "8 6 . 4 + 1 5 %", amRad, Entries{"86.4 + 15 % = 99.36"}},
    ChainCase{"Taken", "2 0 0 - 1 0 %", amRad, Entries{"200 \u2212 10 % = 180"}},
    ChainCase{"Of", "5 0 * 1 0 %", amRad, Entries{"50 \u00D7 10 % = 5"}},
    ChainCase{"Ratio", "5 0 / 2 0 0 %", amRad, Entries{"50 \u00F7 200 % = 25"}},
    ChainCase{"EqualAfterIsIdle", "5 0 * 1 0 % =", amRad, Entries{"50 \u00D7 10 % = 5"}},
    ChainCase{"AloneIsNoCalculation", "5 0 %", amRad, Entries{}}), RowName);

INSTANTIATE_TEST_SUITE_P(Functions, TapeChainTexts, ::testing::Values(
    ChainCase{"SineInDegrees", "3 0 caSin", amDeg, Entries{"sin 30\u00B0 = 0.5"}},
    ChainCase{"SineInRadians", "0 caSin", amRad, Entries{"sin 0 rad = 0"}},
    ChainCase{"CosineInGrads", "0 caCos", amGrad, Entries{"cos 0 grad = 1"}},
    ChainCase{"TangentInTurns", "0 caTg", amCycle, Entries{"tan 0 turn = 0"}},
    ChainCase{"InverseGivesTheUnit", "1 caArcSin", amDeg, Entries{"arcsin 1 = 90\u00B0"}},
    ChainCase{"SquareRoot", "1 6 sqrt", amRad, Entries{"\u221A16 = 4"}},
    ChainCase{"Reciprocal", "4 1/x", amRad, Entries{"1/4 = 0.25"}},
    ChainCase{"Square", "3 +/- caSqr", amRad, Entries{"(-3)\u00B2 = 9"}},
    ChainCase{"Cube", "2 caX3", amRad, Entries{"2\u00B3 = 8"}},
    ChainCase{"CubeRoot", "2 7 ca3root", amRad, Entries{"\u221B27 = 3"}},
    ChainCase{"Factorial", "5 caFactorial", amRad, Entries{"5! = 120"}},
    ChainCase{"Logarithm", "1 0 0 0 caLg", amRad, Entries{"lg 1,000 = 3"}},
    ChainCase{"Exponential", "0 caExp", amRad, Entries{"exp 0 = 1"}},
    ChainCase{"Nested", "1 6 sqrt sqrt", amRad, Entries{"\u221A16 = 4", "\u221A4 = 2"}},
    ChainCase{"OnTheRightOperand", "4 + 3 0 caSin =", amDeg, Entries{"4 + sin 30\u00B0 = 4.5"}},
    ChainCase{"ComposedOperand", "1 + 8 1 sqrt sqrt =", amRad, Entries{"1 + \u221A\u221A81 = 4"}},
    ChainCase{"ThenContinued", "9 sqrt + 1 =", amRad, Entries{"\u221A9 = 3", "3 + 1 = 4"}}), RowName);

INSTANTIATE_TEST_SUITE_P(Equal, TapeChainTexts, ::testing::Values(
    ChainCase{"Repeated", "2 + 3 = = =", amRad, Entries{"2 + 3 = 5", "5 + 3 = 8", "8 + 3 = 11"}},
    ChainCase{"RepeatedFunctionOperand", "1 + 4 sqrt = =", amRad,
              Entries{"1 + \u221A4 = 3", "3 + \u221A4 = 5"}},
    // The engine repeats on its result, not on a number keyed after it.
    ChainCase{"KeyedAfterTheResult", "2 + 3 = 7 =", amRad, Entries{"2 + 3 = 5", "5 + 3 = 8"}},
    ChainCase{"AloneIsNoCalculation", "5 =", amRad, Entries{}},
    ChainCase{"ErrorsLeaveNothing", "1 / 0 = C 2 + 2 =", amRad, Entries{"2 + 2 = 4"}},
    ChainCase{"FailedFunction", "1 +/- sqrt C 4 sqrt", amRad, Entries{"\u221A4 = 2"}},
    ChainCase{"ClearDropsTheChain", "2 + C 3 + 4 =", amRad, Entries{"3 + 4 = 7"}},
    ChainCase{"ClearEntryKeepsIt", "2 + 5 CE 3 =", amRad, Entries{"2 + 3 = 5"}}), RowName);

INSTANTIATE_TEST_SUITE_P(Memory, TapeChainTexts, ::testing::Values(
    ChainCase{"PlusFinishes", "2 + 3 M+", amRad, Entries{"2 + 3 = 5"}},
    ChainCase{"MinusFinishes", "9 - 3 M-", amRad, Entries{"9 \u2212 3 = 6"}},
    ChainCase{"AloneIsNoCalculation", "5 M+ M-", amRad, Entries{}},
    ChainCase{"RecallAsOperand", "5 M+ 2 + MR =", amRad, Entries{"2 + 5 = 7"}},
    ChainCase{"ClearGivesTheAccumulator", "4 M+ C MC 2 =", amRad, Entries{}},
    ChainCase{"RecallAfterAFunction", "4 sqrt M+ 1 + MR =", amRad,
              Entries{"\u221A4 = 2", "1 + 2 = 3"}}), RowName);
// clang-format on

TEST(TapeChain, KeepsTheExactResult) {
  const Recorded thirds = Key("1 / 3 =");
  ASSERT_EQ(thirds.results.size(), 1u);
  EXPECT_EQ(thirds.texts[0], "1 \u00F7 3 = 0.333333333333333");
  EXPECT_EQ(ToBits(thirds.results[0]), ToBits(Extended(1) / 3));
}

TEST(TapeChain, GroupsAsTheDisplayDoes) {
  const engine::NumberSeparators german{',', "."};
  EXPECT_EQ(Key("1 2 3 4 caDecSep 5 * 2 =", amRad, true, german).texts,
            Entries{"1.234,5 \u00D7 2 = 2.469"});
  EXPECT_EQ(Key("1 2 3 4 * 2 =", amRad, false, german).texts, Entries{"1234 \u00D7 2 = 2468"});
}

// A number that arrives whole (a paste, a reused entry) replaces the texts
// of the operand it replaces.
TEST(TapeChain, ANumberEnteredWholeIsShownAsItIs) {
  TCVCalculator engine;
  TTapeChain chain;
  const auto press = [&](TCalcAction action) {
    chain.Before(engine, action);
    engine.SetAction(action);
    return chain.After(engine);
  };
  press(ca2);
  press(caPlus);
  press(ca9);
  press(caSqrt);
  engine.EnterNumber("7");
  const auto entry = press(caEqual);
  ASSERT_TRUE(entry);
  EXPECT_EQ(entry->Text, "2 + 7 = 9");
}

} // namespace
