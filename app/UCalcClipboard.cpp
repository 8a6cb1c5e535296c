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
  const platform::ClipboardContent content = platform::ReadClipboardText();
  ShowPasteRefusal(content.refusal);
  const std::optional<std::string>& clipboard = content.text;
  if (!clipboard) return;
  const char decimal = FCalculator.Separators().decimal;
  const engine::PastedNumber pasted = engine::ReadPastedNumber(*clipboard, decimal);
  if (!pasted.number) {
    FPasteNote->Show(
        QCoreApplication::translate("PasteNote", engine::PasteRefusalText(pasted.refusal)));
    return;
  }
  FPasteNote->hide();
  USet::Value = engine::NumberToText(*pasted.number, decimal);
  FCalculator.EnterNumber(USet::Value);
  FMainIndicator->SetText(USet::Value);
}

// A clipboard that did not give its text says why in the paste note.
void TFCalc::ShowPasteRefusal(platform::ClipboardRefusal refusal) {
  switch (refusal) {
  case platform::ClipboardRefusal::None: return;
  case platform::ClipboardRefusal::NotAnswering:
    FPasteNote->Show(tr("Not pasted: the clipboard does not answer"));
    return;
  case platform::ClipboardRefusal::TooLarge:
    FPasteNote->Show(tr("Not pasted: text over 16 MiB"));
    return;
  }
}
