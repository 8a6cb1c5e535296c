#pragma once
// Key tokens: the words that drive the engine from text, as the headless
// driver reads them and the key-sequence tests write them. A token is an
// action by name or key alias (see ActionFromToken), or a directive:
//   value=TEXT   the engine's Value set to TEXT
//   memory=TEXT  the memory's Value set to TEXT
//   paste=TEXT   TEXT as the window's Paste reads it (PastedNumber.h): the
//                number, or the right operand of a pending operation; a
//                text that is not one number fails with EPasteRefused
//   angle=UNIT   the AngularMeasure: amRad, amDeg, amGrad or amCycle
//
//   "7" -> {Action, ca7}    "value=1E3" -> {Value, "1E3"}    "angle=amDeg" -> {Angle, amDeg}
//   "angle=amFoo", "bogus" -> nothing

#include "engine/CalcTypes.h"
#include "engine/Calculator.h"

#include <optional>
#include <string>
#include <string_view>

namespace engine {

struct KeyToken {
  enum Kind { Action, Value, Memory, Paste, Angle };
  Kind kind = Action;
  TCalcAction action = ca0;
  TAngularMeasure unit = amRad;
  std::string text;
};

std::optional<KeyToken> ParseKeyToken(std::string_view token);

// Performs the token on the engine; a failing action's error passes out as
// from SetAction.
void PerformKeyToken(TCVCalculator& calculator, const KeyToken& token);

} // namespace engine
