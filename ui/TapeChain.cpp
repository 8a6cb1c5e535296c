#include "ui/TapeChain.h"

#include "display/format/DisplayFormat.h"
#include "engine/NumberText.h"

#include <array>

namespace ui {

namespace {

// Where the angle unit shows: after a trigonometric function's argument,
// after an inverse one's result, or nowhere.
enum class UnitMark { None, Argument, Result };

// How a unary key writes its argument: prefix, argument, suffix.
struct FunctionText {
  TCalcAction action;
  const char* prefix;
  const char* suffix;
  UnitMark unit = UnitMark::None;
};

using enum UnitMark;

// clang-format off
constexpr FunctionText FunctionTexts[] = {
    {caSqrt, "\u221A", ""}, {caInverse, "1/", ""},
    {caSin, "sin ", "", Argument}, {caCos, "cos ", "", Argument}, {caTg, "tan ", "", Argument},
    {caCtg, "cot ", "", Argument}, {caSec, "sec ", "", Argument}, {caCosec, "cosec ", "", Argument},
    {caArcSin, "arcsin ", "", Result}, {caArcCos, "arccos ", "", Result},
    {caArcTg, "arctan ", "", Result}, {caArcCtg, "arccot ", "", Result},
    {caSh, "sinh ", ""}, {caCh, "cosh ", ""}, {caTh, "tanh ", ""}, {caCth, "coth ", ""},
    {caSech, "sech ", ""}, {caCosech, "cosech ", ""},
    {caArSh, "arsinh ", ""}, {caArCh, "arcosh ", ""}, {caArTh, "artanh ", ""}, {caArCth, "arcoth ", ""},
    {caLn, "ln ", ""}, {caLg, "lg ", ""}, {caExp, "exp ", ""}, {ca3root, "\u221B", ""},
    {caSqr, "", "\u00B2"}, {caX3, "", "\u00B3"}, {caFactorial, "", "!"},
};
// clang-format on

const FunctionText* FunctionTextOf(TCalcAction action) {
  for (const FunctionText& row : FunctionTexts)
    if (row.action == action) return &row;
  return nullptr;
}

// By TAngularMeasure.
constexpr auto UnitMarks =
    engine::RowsFor<const char*, amCycle + 1>({" rad", "\u00B0", " grad", " turn"});

// The binary operations as the keys write them; by TCalcOperation.
constexpr auto OperationTexts = engine::RowsFor<const char*, coLog + 1>(
    {"", "+", "\u2212", "\u00D7", "\u00F7", "x\u02B8", "log\u1D67x"});

// An argument in brackets where it is itself a calculation, or a negative
// number that a sign before it or a power after it would misread.
std::string Bracketed(const std::string& text, const FunctionText& form) {
  const bool tight = !std::string_view(form.prefix).ends_with(' ') || *form.suffix != '\0';
  const bool bracket = text.find(' ') != std::string::npos || (text.starts_with('-') && tight);
  return bracket ? "(" + text + ")" : text;
}

bool IsBinaryOperation(TCalcAction action) {
  return (action >= caPlus && action <= caDivide) || action == caLog || action == caXY ||
         action == caPower;
}

} // namespace

void TTapeChain::Before(const TCVCalculator& engine, TCalcAction action) {
  FAction = action;
  FBefore = {engine.Value(),           engine.Number(),    engine.Accumulator(),
             engine.LastOperand(),     engine.Operation(), engine.AngularMeasure(),
             engine.AwaitingOperand(), engine.Entering(),  engine.EqualEnabled(),
             engine.OperandSupplied(), engine.Separators()};
}

std::optional<TTapeEntry> TTapeChain::After(const TCVCalculator& engine) {
  const TCalcAction action = FAction;
  if (IsBinaryOperation(action)) return BinaryOperation(engine);
  if (FunctionTextOf(action) != nullptr) return Function(engine);
  switch (action) {
  case caEqual: return Equal(engine);
  case caPerCent: return PerCent(engine);
  case caMemPlus:
  case caMemMinus: return MemoryTotal(engine);
  case caPI: FRight = Term{"\u03C0", engine.Number()}; break;
  case caClear: FLeft.reset(); [[fallthrough]];
  default: FRight.reset(); break; // the value is as the display shows it
  }
  return std::nullopt;
}

std::string TTapeChain::NumberText(Extended number) const {
  return display::FormatDisplayText(engine::NumberToText(number, FBefore.separators.decimal),
                                    FThouSep, FBefore.separators);
}

std::string TTapeChain::LeftText() const {
  if (FLeft && FLeft->number == FBefore.accumulator) return FLeft->text;
  return NumberText(FBefore.accumulator);
}

// The value as keyed ("86.40" stays so); a text that does not read shows
// its number.
std::string TTapeChain::ValueText() const {
  if (FRight && FRight->number == FBefore.number) return FRight->text;
  if (!engine::TryTextToNumber(FBefore.value, FBefore.separators.decimal))
    return NumberText(FBefore.number);
  return display::FormatDisplayText(FBefore.value, FThouSep, FBefore.separators);
}

// As the engine decides whether a running operation is calculated.
bool TTapeChain::RightOperandGiven() const {
  return FBefore.accumulator != FBefore.number || FBefore.entering || FBefore.supplied;
}

TTapeEntry TTapeChain::Finish(const std::string& chain, const TCVCalculator& engine,
                              std::string unit) {
  const std::string result = NumberText(engine.Number());
  FLeft = Term{result, engine.Number()};
  FRight.reset();
  return {chain + " = " + result + unit, engine.Number()};
}

// A running operation calculated by the next one stays in the chain:
// "2 + 3 × 4 =" prints as keyed.
std::optional<TTapeEntry> TTapeChain::BinaryOperation(const TCVCalculator& engine) {
  if (!FBefore.awaiting) {
    FLeft = Term{ValueText(), engine.Accumulator()};
  } else if (RightOperandGiven()) {
    const std::string right = ValueText();
    const std::string chain =
        FBefore.operation == coNone
            ? right
            : LeftText() + " " + OperationTexts[FBefore.operation] + " " + right;
    FLeft = Term{chain, engine.Accumulator()};
  }
  FRight.reset();
  return std::nullopt;
}

// A repeated equal applies the last right operand again to the result.
std::optional<TTapeEntry> TTapeChain::Equal(const TCVCalculator& engine) {
  if (!FBefore.equalEnabled) return std::nullopt;
  std::string right;
  if (FBefore.awaiting)
    right = ValueText();
  else if (FRepeat && FRepeat->number == FBefore.lastOperand)
    right = FRepeat->text;
  else
    right = NumberText(FBefore.lastOperand);
  if (FBefore.operation == coNone) {
    Finish({}, engine);
    return std::nullopt;
  }
  const std::string left = LeftText();
  FRepeat = Term{right, engine.LastOperand()};
  return Finish(left + " " + OperationTexts[FBefore.operation] + " " + right, engine);
}

// Only a percentage of a running +, -, x or / is a calculation.
std::optional<TTapeEntry> TTapeChain::PerCent(const TCVCalculator& engine) {
  if (!FBefore.equalEnabled) return std::nullopt;
  const TCalcOperation operation = FBefore.operation;
  const bool calculated = FBefore.awaiting && operation >= coPlus && operation <= coDivide;
  if (!calculated) {
    Finish({}, engine);
    return std::nullopt;
  }
  const std::string chain = LeftText() + " " + OperationTexts[operation] + " " + ValueText() + " %";
  FRepeat.reset();
  return Finish(chain, engine);
}

// On the right operand of a running operation a function becomes part of
// that operand; otherwise it is a calculation of its own.
std::optional<TTapeEntry> TTapeChain::Function(const TCVCalculator& engine) {
  const FunctionText& form = *FunctionTextOf(FAction);
  std::string argument = Bracketed(ValueText(), form);
  if (form.unit == Argument) argument += UnitMarks[FBefore.measure];
  const std::string applied = form.prefix + argument + form.suffix;
  if (FBefore.awaiting && FBefore.operation != coNone) {
    FRight = Term{applied, engine.Number()};
    return std::nullopt;
  }
  return Finish(applied, engine, form.unit == Result ? UnitMarks[FBefore.measure] : "");
}

// M+ and M- first complete a running operation whose right operand is given.
std::optional<TTapeEntry> TTapeChain::MemoryTotal(const TCVCalculator& engine) {
  const bool calculated = FBefore.awaiting && RightOperandGiven() && FBefore.operation != coNone;
  if (!calculated) {
    FRight.reset();
    return std::nullopt;
  }
  const std::string chain =
      LeftText() + " " + OperationTexts[FBefore.operation] + " " + ValueText();
  return Finish(chain, engine);
}

} // namespace ui
