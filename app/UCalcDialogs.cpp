// The window's two dialogs: the number submit dialog and the About box. Each
// is made when asked for, shown modally over the window and freed on the way
// out, also when an error cuts the way short.

#include "app/ErrorDisplay.h"
#include "app/UCalc.h"
#include "dialogs/UAbout.h"
#include "dialogs/USubmitNumber.h"
#include "display/CalcIndicator.h"
#include "settings/USet.h"
#include "widgets/DxButton.h"

// Only the value changes: no refresh follows, so the memory display, the
// operation sign and the pending operation stay as they are, and a pending
// operation takes the submitted number as its right operand.
void TFCalc::PanelIndicatorClick() {
  USet::Value = FCalculator.Value();
  TFSubmitNumber dialog(this);
  dialog.FormCreate();
  if (dialog.exec() != mrOk) return;
  FCalculator.EnterNumber(USet::Value);
  FMainIndicator->SetText(USet::Value);
}

// A record that cannot be read is reported, and the box opens all the same,
// with its placeholders.
void TFCalc::HelpAbout1Execute() {
  TAboutBox box(this);
  Guarded(this, [&box] { box.FormCreate(); });
  box.exec();
}
