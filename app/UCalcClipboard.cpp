// Copy and Paste of the value through the desktop clipboard.

#include "app/UCalc.h"
#include "display/CalcIndicator.h"
#include "engine/NumberText.h"
#include "platform/desktop/Desktop.h"
#include "settings/USet.h"
#include "widgets/MxFlatPanel.h"

#include <QToolTip>

namespace {

// Long enough to read the note, short enough not to linger over the window.
constexpr int PasteNoteMilliseconds = 5000;

} // namespace

// Copies the value's number text, not the grouped display text.
void TFCalc::EditCopyExecute() {
  platform::WriteClipboardText(USet::Value);
}

// The clipboard text is cleaned and read as a number, and that number's own
// text becomes the value, or the right operand of a pending operation; text
// that holds no number keeps the value as it was, silently. A clipboard
// without any text changes nothing at all.
void TFCalc::EditPasteExecute() {
  const platform::ClipboardContent content = platform::ReadClipboardText();
  ShowPasteRefusal(content.refusal);
  const std::optional<std::string>& clipboard = content.text;
  if (!clipboard) return;
  const std::optional<Extended> number = engine::ReadForeignNumber(*clipboard);
  if (!number) return;
  USet::Value = engine::NumberToText(*number);
  FCalculator.EnterNumber(USet::Value);
  FMainIndicator->SetText(USet::Value);
}

// A clipboard that did not give its text says why, briefly, beside the
// value: nothing to dismiss, and the next key goes on as before.
void TFCalc::ShowPasteRefusal(platform::ClipboardRefusal refusal) {
  QString note;
  switch (refusal) {
  case platform::ClipboardRefusal::None: return;
  case platform::ClipboardRefusal::NotAnswering:
    note = tr("The program holding the clipboard does not answer; nothing was pasted.");
    break;
  case platform::ClipboardRefusal::TooLarge:
    note = tr("The clipboard text is larger than 16 MiB; nothing was pasted.");
    break;
  }
  QToolTip::showText(FPanelIndicator->mapToGlobal(QPoint(0, FPanelIndicator->height())), note,
                     FPanelIndicator, {}, PasteNoteMilliseconds);
}
