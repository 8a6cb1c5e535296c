#pragma once
// Key sequences with the value, memory and operation they must leave, and
// the messages their failing keys raise (joined by "; "). Keys are key
// tokens (engine/KeyTokens.h). Each row starts from the engine as the main
// window creates it, so the engine tests and the window's real-keystroke
// tests share the table; each row is a test named by its tag.

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>
#include <vector>

struct KeySequence {
  const char* tag;
  const char* keys;
  const char* value;
  const char* memory;
  const char* operation;
  const char* errors = "";
};

// A row in a failure message: its keys.
inline void PrintTo(const KeySequence& row, std::ostream* out) {
  *out << '"' << row.keys << '"';
}

// The row's tag as a test name: "sqrt of a factor" -> "sqrt_of_a_factor".
inline std::string KeySequenceName(const ::testing::TestParamInfo<KeySequence>& info) {
  std::string name = info.param.tag;
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

inline const std::vector<KeySequence>& KeySequences() {
  static const std::vector<KeySequence> table = {
      // Equal repeats the last operation with the stored right operand.
      {"plus", "C 2 + 3 =", "5", "0", "coPlus"},
      {"repeated equal", "C 2 + 3 = = =", "11", "0", "coPlus"},
      {"chain", "C 2 + 3 + 4 =", "9", "0", "coPlus"},
      {"chain shows the running result", "C 2 + 3 +", "5", "0", "coPlus"},
      {"operation replaced", "C 2 + * 3 =", "6", "0", "coMulty"},
      {"equal on the accumulator", "C 2 + = =", "6", "0", "coPlus"},
      {"typed after result is replaced", "C 2 + 3 = 7 =", "8", "0", "coPlus"},
      {"new calculation from display", "C 2 + 3 = 7 + 1 =", "8", "0", "coPlus"},
      {"same digit twice", "C 2 + 2 +", "4", "0", "coPlus"},
      {"minus", "C 9 - 1 2 =", "-3", "0", "coMinus"},
      {"divide", "C 1 / 3 =", "0.333333333333333", "0", "coDivide"},
      {"two thirds", "C 2 / 3 =", "0.666666666666667", "0", "coDivide"},
      // Percent works on the pending operation and ends it.
      {"percent plus", "C 2 0 0 + 1 0 %", "220", "0", "coNone"},
      {"percent minus", "C 2 0 0 - 1 0 %", "180", "0", "coNone"},
      {"percent multiply", "C 2 0 0 * 1 0 %", "20", "0", "coNone"},
      {"percent divide", "C 2 0 0 / 1 0 %", "2000", "0", "coNone"},
      {"equal after percent", "C 2 0 0 + 1 0 % =", "220", "0", "coNone"},
      {"percent alone", "C 5 0 %", "50", "0", "coNone"},
      // A unary key pressed on the right operand transforms that operand and
      // leaves the pending operation, its left operand and Equal as they are.
      {"sqrt of the right operand", "C 4 + 9 sqrt =", "7", "0", "coPlus"},
      {"equal repeats the transformed operand", "C 4 + 9 sqrt = =", "10", "0", "coPlus"},
      {"sqrt of a factor", "C 2 * 9 sqrt =", "6", "0", "coMulty"},
      {"sqrt of the shown operand", "C 1 6 + sqrt =", "20", "0", "coPlus"},
      {"sqrt equal to the left operand", "C 1 + 1 sqrt +", "2", "0", "coPlus"},
      {"sqrt of an exponent", "C 2 caXY 9 sqrt =", "8", "0", "coPower"},
      {"sqrt of a base", "C 8 caLog 4 sqrt =", "3", "0", "coLog"},
      {"reciprocal of the right operand", "C 4 + 2 1/x =", "4.5", "0", "coPlus"},
      {"reciprocal of a divisor", "C 1 0 / 4 1/x =", "40", "0", "coDivide"},
      {"reciprocal shown", "C 4 + 2 1/x", "0.5", "0", "coPlus"},
      {"sign change of a subtrahend", "C 1 0 - 4 +/- =", "14", "0", "coMinus"},
      {"sign changed twice is an operand", "C 4 + 4 +/- +/- +", "8", "0", "coPlus"},
      {"function of a factor", "C 2 * 0 . 5 caSin =", "0.958851077208406", "0", "coMulty"},
      {"function in degrees", "C 1 + angle=amDeg 3 0 caSin =", "1.5", "0", "coPlus"},
      {"function in grads", "C 2 * angle=amGrad 1 0 0 caSin =", "2", "0", "coMulty"},
      {"function in turns", "C 1 - angle=amCycle 1 +/- caArcCos =", "0.5", "0", "coMinus"},
      {"function of a divisor", "C 1 / 4 caSqr =", "0.0625", "0", "coDivide"},
      {"function of a base", "C 1 0 0 0 caLog 1 0 caSqr =", "1.5", "0", "coLog"},
      {"function of an exponent", "C 2 caXY 2 caX3 =", "256", "0", "coPower"},
      {"pi as the right operand", "C 2 + caPI =", "5.14159265358979", "0", "coPlus"},
      {"function without a pending operation", "C 9 sqrt + 1 =", "4", "0", "coPlus"},
      {"clear entry", "C 5 + 3 CE 4 =", "9", "0", "coPlus"},
      {"clear", "C 5 + 3 C 4 =", "4", "0", "coNone"},
      {"collapsed zeros", "C 5 + 0 0 =", "5", "0", "coPlus"},
      // The mark that a unary key gave the right operand ends with that
      // operand: clear entry and a newly typed number clear it.
      {"clear entry ends a sign-changed operand", "C 0 / 8 +/- CE M-", "0", "0", "coDivide"},
      {"a typed number ends a rooted operand", "C 0 / 4 sqrt 0 0 *", "0", "0", "coMulty"},
      // Entry editing.
      {"leading zero replaced", "C 0 7", "7", "0", "coNone"},
      {"zero then separator", "C 0 . 7", "0.7", "0", "coNone"},
      {"double zero collapses", "C 0 0 7", "7", "0", "coNone"},
      {"decimal", "C 1 . 5", "1.5", "0", "coNone"},
      {"decimal first", "C .", "0.", "0", "coNone"},
      {"decimal on a result", "C 5 / 2 = .", "2.5", "0", "coDivide"},
      {"digit after ignored decimal", "C 5 / 2 = . 3", "3", "0", "coDivide"},
      {"zero decimal entry", "C 0 0 . 0 .", "0.0", "0", "coNone"},
      {"sign change keeps entry", "C 1 2 +/- 3", "-123", "0", "coNone"},
      {"sign change drops trailing zeros", "C 1 . 5 0 +/-", "-1.5", "0", "coNone"},
      {"sign change of zero entry", "C 0 . +/-", "0", "0", "coNone"},
      {"sign change then backspace", "C 5 +/- BACK", "0", "0", "coNone"},
      {"backspace keeps entry open", "C 5 +/- BACK 7", "7", "0", "coNone"},
      {"backspace twice", "C 1 2 3 BACK BACK", "1", "0", "coNone"},
      {"backspace empties", "C 1 2 3 BACK BACK BACK", "0", "0", "coNone"},
      {"backspace ends the operand", "C 5 + 3 BACK 4 =", "5", "0", "coPlus"},
      {"backspace on a result", "C 5 / 2 = BACK", "2.5", "0", "coDivide"},
      {"form load leaves 0 entering", "5", "5", "0", "coNone"},
      {"big value ignores digits", "value=1.5E4931 7 7", "1.5E4931", "0", "coNone"},
      {"big value cleared", "value=1.5E4931 7 C 7", "7", "0", "coNone"},
      {"negative big value takes digits", "value=-1.5E4931 7", "7", "0", "coNone"},
      // Power and logarithm.
      {"log", "C 8 caLog 2 =", "3", "0", "coLog"},
      {"xy", "C 2 caXY 1 0 =", "1024", "0", "coPower"},
      {"power", "C 2 caPower 1 0 =", "1024", "0", "coPower"},
      // The functions panel's keys, in the unit chosen on it.
      {"sine of 30 degrees", "C angle=amDeg 3 0 caSin", "0.5", "0", "coNone"},
      {"sine of 100 grads", "C angle=amGrad 1 0 0 caSin", "1", "0", "coNone"},
      {"arccos of a turn", "C angle=amCycle 1 +/- caArcCos", "0.5", "0", "coNone"},
      {"arcsin in degrees", "C angle=amDeg 1 caArcSin", "90", "0", "coNone"},
      {"tangent too large", "C angle=amRad paste=1E19 caTg", "1E19", "0", "coNone",
       "Angle Magnitude too large"},
      // Angles reduced exactly in their unit: a quarter turn's multiple is
      // exact, a pole "Invalid value", and 6e20 degrees are 240 degrees.
      {"sine of 180 degrees", "C angle=amDeg 1 8 0 caSin", "0", "0", "coNone"},
      {"cosine of 90 degrees", "C angle=amDeg 9 0 caCos", "0", "0", "coNone"},
      {"cotangent of 180 degrees", "C angle=amDeg 1 8 0 caCtg", "180", "0", "coNone",
       "Invalid value"},
      {"tangent of 90 degrees", "C angle=amDeg 9 0 caTg", "90", "0", "coNone", "Invalid value"},
      {"sine of 200 grads", "C angle=amGrad 2 0 0 caSin", "0", "0", "coNone"},
      {"sine of half a turn", "C angle=amCycle 0 . 5 caSin", "0", "0", "coNone"},
      {"tangent of 6e20 degrees", "C angle=amDeg paste=6E20 caTg", "1.73205080756888", "0",
       "coNone"},
      {"arcsine of sine 45 degrees", "C angle=amDeg 4 5 caSin caArcSin", "45", "0", "coNone"},
      {"arctangent in grads", "C angle=amGrad 1 caArcTg", "50", "0", "coNone"},
      // A negative base keeps its sign by the exponent's parity.
      {"negative base, odd exponent", "C 2 +/- caXY 3 =", "-8", "0", "coPower"},
      {"negative base, even exponent", "C 2 +/- caXY 2 =", "4", "0", "coPower"},
      {"negative base, fractional exponent", "C 8 +/- caXY 3 1/x =", "0.333333333333333", "0",
       "coPower", "Invalid value"},
      {"factorial of a fraction", "C 0 . 5 caFactorial", "0.5", "0", "coNone", "Invalid value"},
      {"factorial overflow", "C 1 7 5 5 caFactorial", "1755", "0", "coNone", "Overflow"},
      {"factorial", "C 5 caFactorial", "120", "0", "coNone"},
      {"pi", "C caPI", "3.14159265358979", "0", "coNone"},
      {"cube root", "C 8 +/- ca3root", "-2", "0", "coNone"},
      {"square then cube", "C 2 caSqr caX3", "64", "0", "coNone"},
      {"common logarithm", "C 1 0 0 caLg", "2", "0", "coNone"},
      {"exponential of zero", "C 0 caExp", "1", "0", "coNone"},
      {"hyperbolic sine of zero", "C 0 caSh", "0", "0", "coNone"},
      {"hyperbolic cosecant of zero", "C 0 caCosech", "0", "0", "coNone", "Invalid value"},
      // Memory.
      {"memory plus twice", "C 5 M+ 5 M+", "5", "10", "coNone"},
      {"memory minus", "C 5 M+ 5 M+ 3 M-", "3", "7", "coNone"},
      {"memory completes operation", "C 2 + 3 M+", "5", "5", "coNone"},
      {"equal after memory completes", "C 2 + 3 M+ =", "5", "5", "coNone"},
      {"memory keeps 15 digits", "C 1 / 3 = M+ C MR", "0.333333333333333", "0.333333333333333",
       "coNone"},
      {"recall as right operand", "C 4 M+ C 6 + MR =", "10", "4", "coPlus"},
      {"memory clear feeds accumulator", "C 7 M+ C 5 + 2 MC =", "9", "0", "coPlus"},
      {"recall on a new engine", "MR", "0", "0", "coNone"},
      {"recall equal to the left operand", "C 2 M+ C 2 + MR +", "4", "2", "coPlus"},
      // A number that arrives whole is the right operand, as if typed.
      {"paste as the right operand", "C 1 + 2 = 5 + paste=10 =", "15", "0", "coPlus"},
      {"paste equal to the left operand", "C 5 + paste=5 +", "10", "0", "coPlus"},
      {"paste after a result", "C 2 + 3 = paste=10 =", "8", "0", "coPlus"},
      {"paste then a digit", "C 5 + paste=10 3 =", "8", "0", "coPlus"},
      {"paste a typeset minus",
       "C paste=\xE2\x88\x92"
       "5",
       "-5", "0", "coNone"},
      {"paste a full-width minus",
       "C paste=\xEF\xBC\x8D"
       "2.5",
       "-2.5", "0", "coNone"},
      // Sums that cancel show the decimal result, without binary residue.
      {"money cancels", "C 8 6 2 5 1 . 7 6 - 8 6 2 5 0 . 8 2 =", "0.94", "0", "coMinus"},
      {"tenths cancel to zero", "C 0 . 3 - 0 . 1 - 0 . 2 =", "0", "0", "coMinus"},
      {"a sum cancels to zero", "C 0 . 1 + 0 . 2 - 0 . 3 =", "0", "0", "coMinus"},
      {"memory cancels to zero", "C 0 . 3 M+ 0 . 1 M- 0 . 2 M-", "0.2", "0", "coNone"},
      {"percent cancels", "C 1 0 0 - 9 9 . 9 9 %", "0.01", "0", "coNone"},
      {"a quantum of 1e-4930 is rounded", "C paste=1.5E-4913 - paste=1.4E-4913 =", "1E-4914", "0",
       "coMinus"},
      // Failures keep what the failing step had not reached.
      {"overflowing equal", "C value=1E3000 * = =", "1E3000", "0", "coMulty", "Overflow; Overflow"},
      {"clear recovers", "C value=1E3000 * = C 2 + 2 =", "4", "0", "coPlus", "Overflow"},
      {"divide by zero", "C 5 / 0 =", "0", "0", "coDivide", "Division by zero"},
      {"sqrt of negative", "C 4 +/- sqrt", "-4", "0", "coNone", "Negativ value"},
  };
  return table;
}
