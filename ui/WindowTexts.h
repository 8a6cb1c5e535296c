#pragma once
// The texts the calculator's windows show, as every shell shows them: the
// window's caption, the value panel's operation sign, the error box's message, the submit dialog's
// number from its two fields, the About box's version line.

#include "engine/CalcTypes.h"
#include "ui/Text.h"

#include <string>
#include <string_view>

namespace ui {

// The calculator window's caption; boxes over it are captioned "Tallyon".
inline constexpr const char* WindowCaption = TALLYON_TEXT("TFCalc", "Tallyon - Freeware");

// The sign of the pending operation, as the value panel's caption.
//   coPlus -> " +"   coMulty -> " ×"   coPower -> " ^"   coNone -> " ="
std::string OperationSign(TCalcOperation operation);

// The message as the error box shows it: a full stop appended when the last
// character sorts after ".".  "Overflow" -> "Overflow.";  "1." -> "1.".
// A message longer than 300 bytes keeps only its first and last 120 bytes,
// joined by "…", so a conversion error quoting a million digits shows
// "'7777…7777' is not a valid floating point value." with about 200 of them.
std::string ErrorBoxText(const std::string& message);

// A number text in the submit dialog's two fields, and back.
//   SplitNumber("12.5E-3") -> {"12.5", "-3"}    SplitNumber("7") -> {"7", ""}
//   JoinNumber("12.5", "-3") -> "12.5E-3"       JoinNumber("12.5", "") -> "12.5"
// Without an exponent the mantissa stands alone, so the value stays a number
// text that reads back as it was stored.
struct TNumberFields {
  std::string Mantissa, Exponent;
};
TNumberFields SplitNumber(std::string_view text);
std::string JoinNumber(const std::string& mantissa, const std::string& exponent);

// The About box's version line from the version record's file version.
//   "0.1.0.0" -> "Beta 0.1.0.0"
std::string AboutVersionLine(const std::string& fileVersion);

} // namespace ui
