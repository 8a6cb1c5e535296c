#include "engine/Calculator.h"
#include "engine/CalculatorForm.h"
#include "engine/NumberText.h"
#include "math/CVMath.h"
#include "math/MathError.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

using namespace engine;

namespace {

// 2^-100 and 11 * 2^-100 written out exactly: the tangent and arctangent of
// such tiny angles are the angles themselves, so a conversion factor shows
// through bit for bit.
const std::string TwoToMinus100 =
    "7.888609052210118054117285652827862296732064351090230047702789306640625E-31";
const std::string ElevenTimesTwoToMinus100 =
    "8.6774699574311298595290142181106485264052707861992530524730682373046875E-30";

// Every field a function action may touch, for before-and-after comparisons.
struct EngineState {
  std::string value;
  Extended number, accumulator, lastOperand;
  bool entering, awaitingOperand, equalEnabled;
  TCalcOperation operation;
  TAngularMeasure angle;
  friend bool operator==(const EngineState&, const EngineState&) = default;
};

EngineState StateOf(const TCVCalculator& c) {
  return {c.Value(),           c.Number(),       c.Accumulator(), c.LastOperand(),   c.Entering(),
          c.AwaitingOperand(), c.EqualEnabled(), c.Operation(),   c.AngularMeasure()};
}

// Types a plain decimal number key by key (a leading minus as a sign change,
// which keeps the entry open); a number in exponent form is assigned instead.
void Enter(TCVCalculator& calculator, const std::string& number) {
  if (number.find('E') != std::string::npos) {
    calculator.SetValue(number);
    return;
  }
  const bool negative = number.starts_with('-');
  for (const char c : number.substr(negative ? 1 : 0))
    calculator.SetAction(c == '.' ? caDecSep : static_cast<TCalcAction>(ca0 + (c - '0')));
  if (negative) calculator.SetAction(caSignChange);
}

class FunctionActions : public ::testing::Test {
protected:
  void SetUp() override {
    SetCurrentSeparators({});
    LoadCalculatorForm(calculator);
  }
  void TearDown() override { SetCurrentSeparators({}); }

  // From a fresh engine: the unit, the number, one action; the resulting text.
  std::string Apply(TAngularMeasure unit, const std::string& number, TCalcAction action) {
    TCVCalculator fresh;
    LoadCalculatorForm(fresh);
    fresh.SetAngularMeasure(unit);
    fresh.SetAction(caClear);
    Enter(fresh, number);
    fresh.SetAction(action);
    return fresh.Value();
  }

  TCVCalculator calculator;
};

struct Outcome {
  const char* tag;
  TAngularMeasure unit;
  const char* number;
  TCalcAction action;
  const char* text;
};

TEST_F(FunctionActions, ResultsInEachUnit) {
  const Outcome outcomes[] = {
      {"30 degrees sine", amDeg, "30", caSin, "0.5"},
      {"100 grads sine", amGrad, "100", caSin, "1"},
      {"a full turn's cosine", amCycle, "1", caCos, "1"},
      {"a quarter turn's sine", amCycle, "0.25", caSin, "1"},
      {"cosine of 0 radians", amRad, "0", caCos, "1"},
      {"45 degrees tangent", amDeg, "45", caTg, "1"},
      {"45 degrees cotangent", amDeg, "45", caCtg, "1"},
      {"60 degrees secant", amDeg, "60", caSec, "2"},
      {"30 degrees cosecant", amDeg, "30", caCosec, "2"},
      // Reduced exactly in their own unit: 6e20 degrees are 240 degrees, 1e4932
      // turns a whole number of turns.
      {"6e20 degrees sine", amDeg, "6E20", caSin, "-0.866025403784439"},
      {"6e20 degrees tangent", amDeg, "6E20", caTg, "1.73205080756888"},
      {"1e4932 turns sine", amCycle, "1E4932", caSin, "0"},
      // Multiples of a quarter turn are exact.
      {"180 degrees sine", amDeg, "180", caSin, "0"},
      {"90 degrees cosine", amDeg, "90", caCos, "0"},
      {"200 grads sine", amGrad, "200", caSin, "0"},
      {"half a turn's sine", amCycle, "0.5", caSin, "0"},
      {"-90 degrees sine", amDeg, "-90", caSin, "-1"},
      {"-270 degrees sine", amDeg, "-270", caSin, "1"},
      {"540 degrees cosine", amDeg, "540", caCos, "-1"},
      {"180 degrees tangent", amDeg, "180", caTg, "0"},
      {"90 degrees cotangent", amDeg, "90", caCtg, "0"},
      {"180 degrees secant", amDeg, "180", caSec, "-1"},
      {"270 degrees cosecant", amDeg, "270", caCosec, "-1"},
      {"135 degrees tangent", amDeg, "135", caTg, "-1"},
      {"just past 90 degrees, cosine", amDeg, "90.000000000000001", caCos,
       "-1.74393424900432E-17"}, // 90 + 144 units of 2^-57
      {"arcsine in degrees", amDeg, "1", caArcSin, "90"},
      {"arcsine in grads", amGrad, "1", caArcSin, "100"},
      {"arccosine in degrees", amDeg, "0.5", caArcCos, "60"},
      {"arccosine in turns", amCycle, "-1", caArcCos, "0.5"},
      {"arctangent in grads", amGrad, "1", caArcTg, "50"},
      {"arcsine of a half in degrees", amDeg, "0.5", caArcSin, "30"},
      {"arcsine of -1 in turns", amCycle, "-1", caArcSin, "-0.25"},
      {"arccosine of -0.5 in degrees", amDeg, "-0.5", caArcCos, "120"},
      {"arccosine of 0 in grads", amGrad, "0", caArcCos, "100"},
      {"arccotangent of -1 in degrees", amDeg, "-1", caArcCtg, "-45"},
      {"arccotangent in degrees", amDeg, "1", caArcCtg, "45"},
      {"sine in radians", amRad, "30", caSin, "-0.988031624092862"},
      // The hyperbolic functions and the rest ignore the unit.
      {"sh", amDeg, "1", caSh, "1.1752011936438"},
      {"ch", amDeg, "0", caCh, "1"},
      {"th", amGrad, "0", caTh, "0"},
      {"cth", amCycle, "1", caCth, "1.31303528549933"},
      {"sech", amDeg, "0", caSech, "1"},
      {"cosech", amDeg, "1", caCosech, "0.850918128239322"},
      {"arsh", amDeg, "1", caArSh, "0.881373587019543"},
      {"arch", amDeg, "2", caArCh, "1.31695789692482"},
      {"arth", amDeg, "0.5", caArTh, "0.549306144334055"},
      {"arcth", amDeg, "2", caArCth, "0.549306144334055"},
      {"lg", amDeg, "100", caLg, "2"},
      {"ln", amDeg, "1", caLn, "0"},
      {"exp 0", amDeg, "0", caExp, "1"},
      {"exp 1", amRad, "1", caExp, "2.71828182845905"},
      {"cube root", amDeg, "-8", ca3root, "-2"},
      {"square", amDeg, "2", caSqr, "4"},
      {"cube", amDeg, "2", caX3, "8"},
      {"factorial", amDeg, "5", caFactorial, "120"},
      {"pi", amDeg, "7", caPI, "3.14159265358979"},
  };
  for (const Outcome& o : outcomes)
    EXPECT_EQ(Apply(o.unit, o.number, o.action), o.text) << o.tag;
}

TEST_F(FunctionActions, TheSeparatorComesFromTheLocale) {
  SetCurrentSeparators({',', "."});
  EXPECT_EQ(Apply(amRad, "7", caPI), "3,14159265358979");
  EXPECT_EQ(Apply(amDeg, "1", caArcCos), "0");
}

// Every unary function action ends like one: the result in number and text,
// entry over, an operand awaited, Equal allowed. Without a pending operation
// the accumulator takes the result; on the right operand of a pending
// operation the accumulator, the left operand, stays.
TEST_F(FunctionActions, EveryActionFinishesTheFunction) {
  for (const bool pending : {false, true})
    for (int ordinal = caSin; ordinal <= caFactorial; ++ordinal) {
      const auto action = static_cast<TCalcAction>(ordinal);
      if (action == caLog || action == caXY || action == caPower) continue;
      SCOPED_TRACE(std::string(ActionName(action)) + (pending ? " on a right operand" : ""));
      TCVCalculator c;
      LoadCalculatorForm(c);
      c.SetAngularMeasure(amDeg);
      c.SetAction(caClear);
      if (pending)
        for (const TCalcAction key : {ca7, caMulty})
          c.SetAction(key);
      const bool aboveOne = action == caArCh || action == caArCth || action == caFactorial;
      Enter(c, aboveOne ? "3" : "0.5");
      const EngineState before = StateOf(c);
      c.SetAction(action);
      EXPECT_EQ(c.Action(), action);
      EXPECT_NE(c.Number(), before.number);
      EXPECT_EQ(c.Value(), NumberToText(c.Number()));
      EXPECT_EQ(c.Accumulator(), pending ? 7 : c.Number());
      EXPECT_EQ(c.OperandSupplied(), pending);
      EXPECT_EQ(c.LastOperand(), before.lastOperand);
      EXPECT_FALSE(c.Entering());
      EXPECT_TRUE(c.AwaitingOperand());
      EXPECT_TRUE(c.EqualEnabled());
      EXPECT_EQ(c.Operation(), pending ? coMulty : coNone);
      EXPECT_EQ(c.AngularMeasure(), amDeg);
    }
}

TEST_F(FunctionActions, FunctionTransformsThePendingRightOperand) {
  for (const TCalcAction key : {caClear, ca2, caMulty, caDecSep, ca5, caSin, caEqual})
    calculator.SetAction(key);
  // 2 sin 0.5, not sin 0.5 times sin 0.5.
  EXPECT_EQ(calculator.Value(), "0.958851077208406");
}

TEST_F(FunctionActions, PiLeavesTheAccumulatorAlone) {
  for (const TCalcAction key : {caClear, ca2, caMulty, caPI})
    calculator.SetAction(key);
  EXPECT_EQ(calculator.Number(), CVMath::PiNumber);
  EXPECT_EQ(calculator.Accumulator(), 2);
  EXPECT_FALSE(calculator.Entering());
  EXPECT_TRUE(calculator.AwaitingOperand());
  EXPECT_TRUE(calculator.EqualEnabled());
  calculator.SetAction(caEqual);
  EXPECT_EQ(calculator.Value(), "6.28318530717959");
}

TEST_F(FunctionActions, PiOnANewEngineEnablesEqual) {
  TCVCalculator fresh;
  fresh.SetAction(caPI);
  EXPECT_EQ(fresh.Value(), "3.14159265358979");
  EXPECT_TRUE(fresh.EqualEnabled());
  EXPECT_EQ(fresh.Accumulator(), 0);
}

TEST_F(FunctionActions, EntryEndsAndEqualIsAllowedAfterAFunction) {
  TCVCalculator fresh; // Equal is not yet enabled here
  for (const TCalcAction key : {ca4, caSqr, ca5})
    fresh.SetAction(key);
  EXPECT_EQ(fresh.Value(), "5"); // a new number, not "165"
  TCVCalculator other;
  for (const TCalcAction key : {ca4, caSqr, caEqual})
    other.SetAction(key);
  EXPECT_EQ(other.Value(), "16");
  EXPECT_FALSE(other.AwaitingOperand()); // Equal has acted
  EXPECT_EQ(other.LastOperand(), 16);
}

TEST_F(FunctionActions, ChangingTheUnitConvertsNothing) {
  for (const TCalcAction key : {caClear, ca7, caPlus, ca3, caDecSep, ca1, ca4})
    calculator.SetAction(key);
  const EngineState before = StateOf(calculator);
  calculator.SetAngularMeasure(amDeg);
  EngineState after = StateOf(calculator);
  EXPECT_EQ(after.angle, amDeg);
  after.angle = before.angle;
  EXPECT_EQ(after, before);
  EXPECT_EQ(calculator.Value(), "3.14");
  // The unit survives clear and later actions.
  for (const TCalcAction key : {caClear, ca3, ca0, caSin, caClear})
    calculator.SetAction(key);
  EXPECT_EQ(calculator.AngularMeasure(), amDeg);
}

struct Failure {
  TAngularMeasure unit;
  std::string number;
  TCalcAction action;
  const char* message;
};

// A failing function leaves number, text, accumulator and flags as they were,
// from a new engine (entering, no operand awaited, Equal not enabled) and
// from a running multiplication.
TEST_F(FunctionActions, FailuresLeaveTheEngineAsItWas) {
  const std::vector<Failure> failures = {
      // The poles of each unit, exactly.
      {amDeg, "0", caCtg, "Invalid value"},
      {amDeg, "0", caCosec, "Invalid value"},
      {amDeg, "90", caTg, "Invalid value"},
      {amDeg, "-270", caTg, "Invalid value"},
      {amDeg, "180", caCtg, "Invalid value"},
      {amDeg, "810", caSec, "Invalid value"},
      {amGrad, "100", caTg, "Invalid value"},
      {amGrad, "200", caCosec, "Invalid value"},
      {amCycle, "0.25", caTg, "Invalid value"},
      {amCycle, "0.5", caCtg, "Invalid value"},
      {amCycle, "0.75", caSec, "Invalid value"},
      {amRad, "0", caCtg, "Floating point division by zero"},
      {amRad, "9300000000000000000", caCtg, "Angle Magnitude too large"},
      {amRad, "9300000000000000000", caSec, "Invalid value"},
      {amDeg, "0", caArcCtg, "Division by zero"},
      {amDeg, "0.5", caFactorial, "Invalid value"},
      {amRad, "-3", caFactorial, "Invalid value"},
      {amRad, "2", caArcSin, "Invalid value"},
      {amDeg, "-1.5", caArcCos, "Invalid value"},
      {amRad, "0", caArcCtg, "Division by zero"},
      {amRad, "11357", caSh, "Overflow"},
      {amRad, "-11357", caCh, "Overflow"},
      {amRad, "0", caCth, "Division by zero"},
      {amRad, "0", caCosech, "Invalid value"},
      {amRad, "-1" + std::string(10, '0'), caArSh, "Negativ value"},
      {amRad, "0.5", caArCh, "Negativ value"},
      {amRad, "1", caArTh, "Invalid value"},
      {amRad, "0.5", caArCth, "Invalid value"},
      {amRad, "0", caLn, "Negativ value"},
      {amRad, "-5", caLg, "Negativ value"},
      {amRad, "11357", caExp, "Overflow"},
      {amRad, "1E-4940", ca3root, "Negativ value"},
      {amRad, "1" + std::string(3000, '0'), caSqr, "Overflow"},
      {amRad, "1" + std::string(2000, '0'), caX3, "Overflow"},
      {amRad, "1755", caFactorial, "Overflow"},
  };
  for (const Failure& f : failures) {
    for (const bool running : {false, true}) {
      SCOPED_TRACE(std::string(ActionName(f.action)) + " of " + f.number.substr(0, 24) +
                   (running ? " in a multiplication" : " on a new engine"));
      TCVCalculator c;
      LoadCalculatorForm(c);
      c.SetAngularMeasure(f.unit);
      if (running) {
        for (const TCalcAction key : {caClear, ca7, caMulty})
          c.SetAction(key);
      }
      Enter(c, f.number);
      const EngineState before = StateOf(c);
      try {
        c.SetAction(f.action);
        ADD_FAILURE() << "succeeded with " << c.Value();
      } catch (const EMathError& error) {
        EXPECT_STREQ(error.what(), f.message);
      }
      EXPECT_EQ(StateOf(c), before);
      EXPECT_EQ(c.Action(), f.action);
    }
  }
}

TEST_F(FunctionActions, FactorialOverflowKeepsTheDisplay) {
  for (const TCalcAction key : {caClear, ca1, ca7, ca5, ca5})
    calculator.SetAction(key);
  EXPECT_THROW(calculator.SetAction(caFactorial), EMathError);
  EXPECT_EQ(calculator.Value(), "1755");
  EXPECT_TRUE(calculator.Entering()); // typing goes on
  calculator.SetAction(ca0);
  EXPECT_EQ(calculator.Value(), "17550");
}

// The conversion factors show through exactly on tiny angles: tan y = y and
// arctan y = y there, and a power of two scales a factor without rounding.
TEST_F(FunctionActions, ConversionFactorsHaveTheirBits) {
  const std::tuple<TAngularMeasure, TCalcAction, ExtendedBits> cases[] = {
      {amDeg, caTg, {0x3FF9 - 100, 0x8EFA351294E9C8AE}},     // pi/180
      {amGrad, caTg, {0x3FF9 - 100, 0x80ADFC90B938CE36}},    // pi/200
      {amCycle, caTg, {0x4001 - 100, 0xC90FDAA22168C235}},   // 2 pi, correctly rounded
      {amDeg, caArcTg, {0x4004 - 100, 0xE52EE0D31E0FBDC3}},  // 180/pi
      {amGrad, caArcTg, {0x4004 - 100, 0xFEA5DD5C5A4A6111}}, // 200/pi
      {amRad, caTg, {0x3FFF - 100, 0x8000000000000000}},
      {amRad, caArcTg, {0x3FFF - 100, 0x8000000000000000}},
  };
  for (const auto& [unit, action, bits] : cases) {
    SCOPED_TRACE(std::string(ActionName(action)) + " in unit " + std::to_string(unit));
    calculator.SetAngularMeasure(unit);
    calculator.SetValue(TwoToMinus100);
    calculator.SetAction(action);
    EXPECT_EQ(ToBits(calculator.Number()), bits);
  }
  // Turns come back by a division by 2 pi: 11 * 2^-100 / 2 pi rounds to
  // ...9D19, where a multiplication by the rounded 1 / (2 pi) gives ...9D1A.
  calculator.SetAngularMeasure(amCycle);
  calculator.SetValue(ElevenTimesTwoToMinus100);
  calculator.SetAction(caArcTg);
  EXPECT_EQ(ToBits(calculator.Number()), (ExtendedBits{0x3F9B, 0xE01714B7AB9D9D19}));
}

} // namespace
