// Copy and Paste of the value through the desktop clipboard.

#include "app/UCalc.h"
#include "display/CalcIndicator.h"
#include "engine/NumberText.h"
#include "platform/desktop/Desktop.h"
#include "settings/USet.h"

// Copies the value's number text, not the grouped display text.
void TFCalc::EditCopyExecute() {
  platform::WriteClipboardText(USet::Value);
}

// The clipboard text is cleaned and read as a number, and that number's own
// text becomes the value, or the right operand of a pending operation; text
// that holds no number keeps the value as it was, silently. A clipboard
// without any text changes nothing at all.
void TFCalc::EditPasteExecute() {
  const std::optional<std::string> clipboard = platform::ReadClipboardText();
  if (!clipboard) return;
  const char decimal = FCalculator.Separators().decimal;
  const std::optional<Extended> number = engine::ReadForeignNumber(*clipboard, decimal);
  if (!number) return;
  USet::Value = engine::NumberToText(*number, decimal);
  FCalculator.EnterNumber(USet::Value);
  FMainIndicator->SetText(USet::Value);
}
