#pragma once
// TTapeChain: the keyed chain of a calculation as the tape prints it. It
// watches each action handed to the engine, with the engine's state before
// and after, and when an action finishes a calculation it gives the entry:
//   86.4 + 15 % =       -> "86.4 + 15 % = 99.36"
//   2 xʸ 10 =           -> "2 xʸ 10 = 1,024" (grouped, as the display shows it)
//   30 sin (degrees)    -> "sin 30° = 0.5"
//   2 + 3 = =           -> "2 + 3 = 5", then "5 + 3 = 8"
// A failing action is never finished, so errors leave no entry. Each text
// it keeps is paired with the number it stands for: where the engine's
// number is another (a paste, a reused entry), the display's text is used.

#include "engine/Calculator.h"
#include "ui/TapeEntry.h"

#include <optional>
#include <string>

namespace ui {

class TTapeChain {
public:
  // Digit grouping of the numbers in the entries, as in the display.
  void SetThouSep(bool thouSep) { FThouSep = thouSep; }

  // Before the engine performs `action`.
  void Before(const TCVCalculator& engine, TCalcAction action);
  // After it performed that action without an error: the finished
  // calculation, if the action finished one (its Time is left 0).
  std::optional<TTapeEntry> After(const TCVCalculator& engine);

private:
  // A text and the number it stands for.
  struct Term {
    std::string text;
    Extended number = 0;
  };
  // The engine's state that the texts follow.
  struct State {
    std::string value;
    Extended number, accumulator, lastOperand;
    TCalcOperation operation;
    TAngularMeasure measure;
    bool awaiting, entering, equalEnabled, supplied;
    engine::NumberSeparators separators;
  };

  std::optional<TTapeEntry> BinaryOperation(const TCVCalculator& engine);
  std::optional<TTapeEntry> Equal(const TCVCalculator& engine);
  std::optional<TTapeEntry> PerCent(const TCVCalculator& engine);
  std::optional<TTapeEntry> Function(const TCVCalculator& engine);
  std::optional<TTapeEntry> MemoryTotal(const TCVCalculator& engine);

  // The texts of the accumulator and of the value before the action.
  std::string LeftText() const;
  std::string ValueText() const;
  std::string NumberText(Extended number) const;
  bool RightOperandGiven() const;
  // "left op right = result", and the accumulator's text set to the result.
  TTapeEntry Finish(const std::string& chain, const TCVCalculator& engine, std::string unit = {});

  bool FThouSep = true;
  TCalcAction FAction = ca0;
  State FBefore{};
  std::optional<Term> FLeft;   // what the accumulator holds
  std::optional<Term> FRight;  // what the value holds, when not as shown
  std::optional<Term> FRepeat; // the right operand a repeated equal applies
};

} // namespace ui
