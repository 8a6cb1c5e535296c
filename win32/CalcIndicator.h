#pragma once
// TCVCalcIndicator: a number display drawn with GDI. It keeps the display
// text that display/format makes of the number text, and draws it
// right-aligned; a number in exponent form shows as mantissa × 10 with the
// exponent raised at the top edge.

#include "engine/NumberText.h"

#include <windows.h>

#include <string>
#include <string_view>
#include <utility>

namespace win32 {

class TCVCalcIndicator {
public:
  RECT Place{};

  // Formats first, so a text that fails (EConvertError) leaves the display
  // as it was.
  void SetText(std::string_view value);
  void SetThouSep(bool value);
  // The locale's separators, given before the first text.
  void SetSeparators(engine::NumberSeparators separators) { FSeparators = std::move(separators); }
  const std::string& DisplayText() const { return FText; }

  void Paint(HDC dc, HFONT font) const;

private:
  std::string FValue = "0";
  std::string FText = "0";
  bool FThouSep = true;
  engine::NumberSeparators FSeparators;
};

} // namespace win32
