// Copy and Paste of the value through the desktop clipboard.

#include "app/PasteNote.h"
#include "app/UCalc.h"
#include "display/CalcIndicator.h"
#include "engine/NumberText.h"
#include "engine/PastedNumber.h"
#include "platform/desktop/Desktop.h"
#include "settings/USet.h"

#include <QCoreApplication>

// Copies the value's number text, not the grouped display text.
void TFCalc::EditCopyExecute() {
  platform::WriteClipboardText(USet::Value);
}

// The clipboard text is read as a spreadsheet reads a cell, and that
// number's own text becomes the value, or the right operand of a pending
// operation; a text that is not one number keeps the value as it was, and
// the note in the value panel says why. A clipboard without any text
// changes nothing at all.
void TFCalc::EditPasteExecute() {
  const std::optional<std::string> clipboard = platform::ReadClipboardText();
  if (!clipboard) return;
  const engine::PastedNumber pasted = engine::ReadPastedNumber(*clipboard);
  if (!pasted.number) {
    FPasteNote->Show(
        QCoreApplication::translate("PasteNote", engine::PasteRefusalText(pasted.refusal)));
    return;
  }
  FPasteNote->hide();
  USet::Value = engine::NumberToText(*pasted.number);
  FCalculator.EnterNumber(USet::Value);
  FMainIndicator->SetText(USet::Value);
}
