#pragma once
// The headless engine driver: reads lines of space-separated tokens, performs
// each as one step on a TCVCalculator built like the main window's, and
// prints one line per step:
//   ok<TAB>Value<TAB>Memory.Value<TAB>Operation
//   error<TAB>message<TAB>Value<TAB>Memory.Value<TAB>Operation
//   ok<TAB>reset                              (after "reset")
//   ok<TAB>DisplayText  or  error<TAB>message (after show=TEXT, showplain=TEXT)
//   error<TAB>unknown token 'X'
// Tokens: action names (ca0 ... caPI), the aliases 0-9 . + - * / = % sqrt
// 1/x +/- C CE BACK MC MR M+ M-, and value=TEXT, memory=TEXT,
// paste=TEXT (TEXT as the window's Paste reads it: the number, or the right
// operand of a pending operation), angle=amRad|amDeg|amGrad|amCycle (the
// AngularMeasure), reset. An angle
// directive with any other unit is an unknown token. show=TEXT and
// showplain=TEXT print TEXT as a number display shows it, with digit grouping
// on or off; the calculator is not touched. Numbers are read and shown with
// the separators given.
//
//   "C 2 + 3 = =" -> six lines, the last "ok\t8\t0\tcoPlus"
//   "angle=amDeg value=30 caSin" -> the last line "ok\t0.5\t0\tcoNone"
//   "show=1234567.5 showplain=1E15" -> "ok\t1,234,567.5", "ok\t1.000000000000E+0015"

#include "engine/NumberText.h"

#include <iosfwd>

namespace cli {

// Runs the driver until `in` ends; returns 1 if any token was unknown, else 0.
int RunEngineDriver(std::istream& in, std::ostream& out,
                    const engine::NumberSeparators& separators = {});

} // namespace cli
