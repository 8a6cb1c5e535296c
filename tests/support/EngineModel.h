#pragma once
// The engine's state table, written out independently of the engine, for
// the random action runs (fuzzer and soaks): a snapshot of the engine before
// an action, the outcome of the action, and a check that the engine after it
// is what the table and the failure rules say. A violation comes back as
// text naming the action and the field; an empty text means the step holds.

#include "engine/Calculator.h"
#include "engine/NumberText.h"
#include "math/CVMathConst.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>
#include <string>

namespace enginemodel {

// The messages an action may fail with: the guarded arithmetic's and the
// arithmetic environment's traps.
inline bool IsMathMessage(const std::string& message) {
  const char* const known[] = {
      CVMathConst::SOverflow,     CVMathConst::SDivisionByZero, CVMathConst::SInvalidValue,
      CVMathConst::SNegativValue, CVMathConst::SAngleTooLarge,  CVMathConst::SInvalidOp,
      CVMathConst::SZeroDivide,   CVMathConst::SFloatOverflow,
  };
  return std::any_of(std::begin(known), std::end(known),
                     [&](const char* text) { return message == text; });
}

inline std::string ConvertMessage(const std::string& text) {
  return "'" + text + "' is not a valid floating point value";
}

struct Snapshot {
  std::string value;
  Extended number, accumulator, lastOperand;
  TCalcOperation operation;
  bool entering, awaiting, equalEnabled, supplied;
  std::string memory; // the active cell's text
  TCalcAction action;

  static Snapshot Of(const TCVCalculator& c) {
    return {c.Value(),           c.Number(),
            c.Accumulator(),     c.LastOperand(),
            c.Operation(),       c.Entering(),
            c.AwaitingOperand(), c.EqualEnabled(),
            c.OperandSupplied(), c.Memory().Cell(c.Memory().ActiveCell()),
            c.Action()};
  }
  // An operation waits for its right operand: a unary key works on it.
  bool OperandAwaited() const { return awaiting && operation != coNone; }
  // The value on display has been given as the right operand.
  bool OperandGiven() const { return accumulator != number || entering || supplied; }
};

enum class Failure { None, Math, Convert };

struct Outcome {
  Failure failure = Failure::None;
  std::string message;
};

// Runs one step and classifies what it let out; anything but a math or a
// conversion error is returned as a violation in `unexpected`.
template <typename Step> Outcome Attempt(Step&& step, std::string& unexpected) {
  try {
    step();
    return {};
  } catch (const EConvertError& error) {
    return {Failure::Convert, error.what()};
  } catch (const std::exception& error) {
    Outcome outcome{Failure::Math, error.what()};
    if (!IsMathMessage(outcome.message)) unexpected = "unexpected error: " + outcome.message;
    return outcome;
  }
}

class Checker {
public:
  Checker(const Snapshot& before, const TCVCalculator& after, char separator)
      : b(before), a(Snapshot::Of(after)), sep(separator) {}

  // The violation of the state table by `action`, or the empty text.
  std::string Action(TCalcAction action, const Outcome& outcome) {
    Expect(a.action == action, "Action holds the action assigned");
    if (outcome.failure == Failure::Convert)
      Expect(CanFailToConvert(action), "only text-reading actions fail to convert");
    if (outcome.failure == Failure::Math)
      Expect(!CanFailToConvert(action), "text-editing actions raise no math error");
    const bool failed = outcome.failure != Failure::None;
    if (action <= ca9)
      Digit(char('0' + action), outcome);
    else if (action == caDecSep)
      DecSep(outcome);
    else if (action == caPlus || action == caMinus || action == caMulty || action == caDivide ||
             action == caLog || action == caXY || action == caPower)
      Operation(OperationOf(action), failed);
    else if (action == caEqual)
      Equal(failed);
    else if (action == caSqrt || action == caInverse)
      Unary(action == caSqrt, failed);
    else if (action == caPerCent)
      PerCent(failed);
    else if (action == caSignChange)
      SignChange(outcome);
    else if (action == caClear || action == caClearEntr)
      Clear(action == caClear, failed);
    else if (action == caBackSpace)
      BackSpace(outcome);
    else if (action == caMemPlus || action == caMemMinus)
      MemPlus(failed);
    else if (action == caMemRecall)
      MemRecall(failed);
    else if (action == caMemClear)
      MemClear(failed);
    else if (action == caPI)
      Pi(failed);
    else if (action < CalcActionCount)
      Function(failed);
    else
      Expect(!failed && Same(), "an ordinal past caPI does nothing");
    Expect(engine::TryTextToNumber(a.memory, sep).has_value(), "the memory always reads");
    Expect(std::isfinite(a.number) && std::isfinite(a.accumulator) && std::isfinite(a.lastOperand),
           "every number is finite");
    Expect(!a.supplied || a.OperandAwaited(), "only a pending operation has a supplied operand");
    return FViolation.empty() ? "" : std::string(engine::ActionName(action)) + ": " + FViolation;
  }

  // After SetValue(text).
  std::string SetValue(const std::string& text, const Outcome& outcome) {
    Expect(outcome.failure == Failure::None, "SetValue swallows every failure");
    if (text == b.value) {
      Expect(Same(), "the same text changes nothing");
    } else {
      const std::string cleaned = engine::RemoveNonNumber(text.empty() ? "0" : text, sep);
      Expect(a.value == cleaned, "the cleaned text is stored");
      const std::optional<Extended> number = engine::TryTextToNumber(cleaned, sep);
      Expect(Bits(a.number, number.value_or(b.number)), "a text that does not read keeps X");
      Expect(!a.entering && !a.awaiting && !a.supplied,
             "a new value ends entry and the running operand");
      Expect(a.operation == b.operation && a.equalEnabled == b.equalEnabled &&
                 Bits(a.accumulator, b.accumulator) && Bits(a.lastOperand, b.lastOperand),
             "a new value leaves the calculation alone");
    }
    return FViolation.empty() ? "" : "SetValue: " + FViolation;
  }

private:
  static TCalcOperation OperationOf(TCalcAction action) {
    switch (action) {
    case caPlus: return coPlus;
    case caMinus: return coMinus;
    case caMulty: return coMulty;
    case caDivide: return coDivide;
    case caLog: return coLog;
    default: return coPower;
    }
  }
  static bool CanFailToConvert(TCalcAction action) {
    return action <= caDecSep || action == caSignChange || action == caBackSpace;
  }
  static bool Bits(Extended x, Extended y) { return ToBits(x) == ToBits(y); }

  void Expect(bool holds, const char* rule) {
    if (!holds && FViolation.empty()) FViolation = rule;
  }
  bool SameFlags() const {
    return a.operation == b.operation && a.entering == b.entering && a.awaiting == b.awaiting &&
           a.equalEnabled == b.equalEnabled;
  }
  bool SameValue() const { return a.value == b.value && Bits(a.number, b.number); }
  bool Same() const {
    return SameValue() && SameFlags() && Bits(a.accumulator, b.accumulator) &&
           Bits(a.lastOperand, b.lastOperand) && a.memory == b.memory;
  }
  // The value written as the number's own text, which always reads.
  void ShowsNumber() {
    Expect(a.value == engine::NumberToText(a.number, sep),
           "the value is the number's 15-digit text");
    Expect(engine::TryTextToNumber(a.value, sep).has_value(), "the value text reads");
  }

  void Digit(char digit, const Outcome& outcome) {
    Expect(a.operation == b.operation && a.awaiting == b.awaiting &&
               a.equalEnabled == b.equalEnabled && Bits(a.accumulator, b.accumulator),
           "a digit touches only the entry");
    if (outcome.failure == Failure::Convert) {
      Expect(outcome.message == ConvertMessage(b.value), "a digit fails on the old text");
      Expect(Same(), "a digit that fails to read the text changes nothing");
      return;
    }
    const Extended x = engine::TextToNumber(b.value, sep);
    if (x >= FromBits(0x7FFB, 0xBD5A88BDFF79F7E7)) { // the entry limit, 1.1e4931
      Expect(a.value == b.value && a.entering == b.entering, "digits stop at the entry limit");
    } else if (!b.entering) {
      Expect(a.value == std::string(1, digit) && a.entering && a.number == digit - '0' &&
                 !a.supplied,
             "a digit starts a new number");
    } else {
      const bool zero = b.value == "0" || b.value == "-0";
      const std::string typed = (zero ? b.value.substr(0, b.value.size() - 1) : b.value) + digit;
      const bool collapsed = a.value == "0" && !a.entering && typed.find(sep) == std::string::npos;
      Expect(collapsed || (a.value == typed && a.entering), "a digit extends the entry");
    }
  }

  void DecSep(const Outcome& outcome) {
    Expect(a.operation == b.operation && a.awaiting == b.awaiting &&
               a.equalEnabled == b.equalEnabled,
           "the separator touches only the entry");
    const std::string zero = std::string("0") + sep;
    if (b.value.find(sep) != std::string::npos) {
      Expect(Same(), "a second separator does nothing");
    } else if (outcome.failure == Failure::Convert) {
      Expect(b.entering && a.value == b.value + sep, "a failing separator stays appended");
      Expect(outcome.message == ConvertMessage(b.value + sep), "it fails on the new text");
    } else {
      Expect(a.entering && (b.entering || !a.supplied), "the separator enters");
      Expect(a.value == (b.entering && a.number != 0 ? b.value + sep : zero),
             "the separator extends the entry, a zero entry reads 0 and the separator");
    }
  }

  void Operation(TCalcOperation operation, bool failed) {
    const bool calculates = b.awaiting && b.OperandGiven();
    if (failed) {
      Expect(calculates, "only a calculating operation fails");
      Expect(SameValue() && SameFlagsBut(true) && Bits(a.accumulator, b.accumulator) &&
                 Bits(a.lastOperand, b.number),
             "a failing operation keeps the old one pending with its operand stored");
      return;
    }
    Expect(a.operation == operation && !a.entering && a.awaiting && a.equalEnabled && !a.supplied,
           "an operation becomes pending");
    if (calculates) {
      ShowsNumber();
      Expect(Bits(a.accumulator, a.number) && Bits(a.lastOperand, b.number),
             "the running operation is performed first");
    } else {
      Expect(SameValue() && Bits(a.lastOperand, b.lastOperand), "no calculation");
      Expect(Bits(a.accumulator, b.awaiting ? b.accumulator : b.number),
             "a new calculation starts from the value");
    }
  }

  // Flags unchanged, except that Equal is enabled (when `enabled`).
  bool SameFlagsBut(bool enabled) const {
    return a.operation == b.operation && a.entering == b.entering && a.awaiting == b.awaiting &&
           a.equalEnabled == (enabled || b.equalEnabled);
  }

  void Equal(bool failed) {
    if (!b.equalEnabled) {
      Expect(!failed && Same(), "Equal does nothing while it is disabled");
      return;
    }
    const Extended operand = b.awaiting ? b.number : b.lastOperand;
    if (failed) {
      Expect(SameValue() && SameFlags() && Bits(a.accumulator, b.accumulator) &&
                 Bits(a.lastOperand, operand),
             "a failing Equal keeps everything but the operand");
      return;
    }
    ShowsNumber();
    Expect(a.operation == b.operation && !a.entering && !a.awaiting && a.equalEnabled,
           "Equal ends the running operand and keeps the operation");
    Expect(Bits(a.accumulator, a.number) && Bits(a.lastOperand, operand),
           "Equal stores the result and the operand");
  }

  void Unary(bool squareRoot, bool failed) {
    if (failed) {
      Expect(SameValue() && SameFlagsBut(true) && Bits(a.accumulator, b.accumulator),
             "a failing square root or reciprocal only enables Equal");
      return;
    }
    ShowsNumber();
    if (b.OperandAwaited()) return TransformsOperand();
    Expect(a.operation == b.operation && !a.entering && !a.awaiting && a.equalEnabled,
           "square root and reciprocal end the running operation");
    Expect(Bits(a.accumulator, squareRoot ? a.number : b.accumulator),
           "the square root replaces the accumulator, the reciprocal does not");
  }

  void PerCent(bool failed) {
    if (!b.equalEnabled) {
      Expect(!failed && Same(), "percent does nothing while Equal is disabled");
      return;
    }
    if (failed) {
      Expect(b.awaiting && SameValue() && SameFlags() && Bits(a.accumulator, b.accumulator) &&
                 Bits(a.lastOperand, b.number),
             "a failing percent keeps everything but the operand");
      return;
    }
    ShowsNumber();
    if (!b.awaiting) Expect(Bits(a.number, b.number), "percent without an operand keeps X");
    Expect(a.operation == coNone && !a.entering && a.awaiting && !a.equalEnabled,
           "percent ends the operation");
    Expect(Bits(a.accumulator, a.number) && Bits(a.lastOperand, a.number),
           "percent stores its result twice");
  }

  // A unary key on the right operand of a pending operation.
  void TransformsOperand() {
    Expect(a.operation == b.operation && !a.entering && a.awaiting && a.equalEnabled &&
               a.supplied && Bits(a.accumulator, b.accumulator) &&
               Bits(a.lastOperand, b.lastOperand),
           "a unary key transforms the right operand and keeps the operation");
  }

  void SignChange(const Outcome& outcome) {
    Expect(SameFlags(), "the sign change keeps every flag");
    Expect(a.supplied == (b.supplied || (outcome.failure == Failure::None && b.OperandAwaited())),
           "a sign change supplies the right operand");
    if (outcome.failure == Failure::Convert) {
      Expect(SameValue() && outcome.message == ConvertMessage(b.value),
             "a failing sign change changes nothing");
      return;
    }
    ShowsNumber();
    Expect(Bits(a.number, engine::TextToNumber(b.value, sep) * -1),
           "the sign change negates the text");
  }

  void Clear(bool all, bool failed) {
    Expect(!failed, "clearing never fails");
    Expect(a.value == "0" && a.number == 0 && !a.entering && a.equalEnabled && !a.supplied,
           "clearing shows 0, ends the operand and enables Equal");
    Expect(a.operation == (all ? coNone : b.operation) && a.awaiting == (all ? false : b.awaiting),
           "Clear ends the calculation, clear entry keeps it");
    Expect(Bits(a.accumulator, b.accumulator) && Bits(a.lastOperand, b.lastOperand),
           "clearing keeps both operands");
  }

  void BackSpace(const Outcome& outcome) {
    Expect(a.operation == b.operation && a.equalEnabled == b.equalEnabled,
           "backspace touches only the entry");
    if (!b.entering) {
      Expect(outcome.failure == Failure::None && Same(), "backspace edits only an entry");
      return;
    }
    if (b.value.size() < 2) {
      Expect(a.value == "0" && a.number == 0 && !a.entering && !a.awaiting,
             "backspace on one character empties the entry");
      return;
    }
    std::string shortened = b.value.substr(0, b.value.size() - 1);
    if (shortened == "-") shortened = "0";
    Expect(a.value == shortened && a.entering && a.awaiting == b.awaiting,
           "backspace drops the last character");
    if (outcome.failure == Failure::Convert)
      Expect(outcome.message == ConvertMessage(shortened), "it fails on the shortened text");
  }

  void MemPlus(bool failed) {
    const bool calculates = b.awaiting && b.OperandGiven();
    // A failing calculation leaves everything as a failing operation does.
    if (failed && calculates && a.memory == b.memory && SameValue() && SameFlagsBut(true) &&
        Bits(a.lastOperand, b.number))
      return;
    Expect(!a.entering && !a.awaiting, "a memory sum ends entry and the running operand");
    Expect(a.operation == (calculates ? coNone : b.operation), "the running operation ends");
    Expect(a.equalEnabled == (calculates || b.equalEnabled), "a calculation enables Equal");
    if (calculates)
      ShowsNumber();
    else
      Expect(SameValue(), "without a calculation the value stays");
    if (failed) Expect(a.memory == b.memory, "a failing sum leaves the memory");
  }

  void MemRecall(bool failed) {
    Expect(!failed, "recalling never fails");
    ShowsNumber();
    Expect(Bits(a.number, engine::TextToNumber(b.memory, sep)) && Bits(a.lastOperand, a.number),
           "the memory becomes the value and the operand");
    Expect(a.operation == b.operation && !a.entering && a.awaiting == b.awaiting &&
               a.equalEnabled == b.equalEnabled && Bits(a.accumulator, b.accumulator),
           "recalling ends only the entry");
    Expect(a.supplied == (b.supplied || b.OperandAwaited()),
           "a recalled number supplies the right operand");
  }

  void MemClear(bool failed) {
    Expect(!failed, "clearing the memory never fails");
    Expect(a.memory == "0" && Bits(a.accumulator, engine::TextToNumber(b.memory, sep)),
           "the old memory becomes the accumulator");
    Expect(SameValue() && a.operation == b.operation && !a.entering && a.awaiting && !a.supplied &&
               a.equalEnabled == b.equalEnabled && Bits(a.lastOperand, b.lastOperand),
           "clearing the memory starts an operand");
  }

  void Function(bool failed) {
    if (failed) {
      Expect(Same(), "a failing function changes nothing");
      return;
    }
    ShowsNumber();
    if (b.OperandAwaited()) return TransformsOperand();
    Expect(Bits(a.accumulator, a.number) && a.operation == b.operation && !a.entering &&
               a.awaiting && a.equalEnabled && !a.supplied,
           "a function's result becomes the accumulator and awaits an operand");
  }

  void Pi(bool failed) {
    Expect(!failed, "pi never fails");
    ShowsNumber();
    Expect(a.value == std::string("3") + sep + "14159265358979", "pi to 15 digits");
    Expect(Bits(a.accumulator, b.accumulator) && !a.entering && a.awaiting && a.equalEnabled,
           "pi is an operand");
    Expect(a.supplied == b.OperandAwaited(), "pi supplies the right operand");
  }

  const Snapshot b;
  const Snapshot a;
  const char sep;
  std::string FViolation;
};

} // namespace enginemodel
