// The window's two dialogs: the number submit dialog and the About box. Each
// is made when asked for, shown modally over the window and freed on the way
// out, also when an error cuts the way short.

#include "app/ErrorDisplay.h"
#include "app/ModalBox.h"
#include "app/UCalc.h"
#include "dialogs/UAbout.h"
#include "dialogs/USubmitNumber.h"
#include "display/CalcIndicator.h"
#include "settings/USet.h"
#include "widgets/DxButton.h"

#include <QApplication>
#include <QMessageBox>

// Only the value changes: no refresh follows, so the memory display, the
// operation sign and the pending operation stay as they are, and a pending
// operation takes the submitted number as its right operand.
void TFCalc::PanelIndicatorClick() {
  USet::Value = FCalculator.Value();
  TFSubmitNumber dialog(this);
  dialog.FormCreate();
  if (app::ShowModal(dialog) != mrOk) return;
  FCalculator.EnterNumber(USet::Value);
  FMainIndicator->SetText(USet::Value);
}

// A record that cannot be read is reported, and the box opens all the same,
// with its placeholders.
void TFCalc::HelpAbout1Execute() {
  TAboutBox box(this);
  app::Guarded(this, [&box] { box.FormCreate(); });
  app::ShowModal(box);
}

// The keys of the key map (app/KeyMap.h), as a table the user can read.
void TFCalc::HelpKeyboardExecute() {
  QMessageBox box(
      QMessageBox::Information, QApplication::applicationName(),
      tr("<table cellspacing=\"2\">"
         "<tr><td><b>Keys</b></td><td></td></tr>"
         "<tr><td>0-9 . ,</td><td>digits, decimal separator</td></tr>"
         "<tr><td>+ - * / = %</td><td>operations, =, % (main row or keypad)</td></tr>"
         "<tr><td>Shift+5, Shift+8</td><td>%, *</td></tr>"
         "<tr><td>Enter, Esc, Delete</td><td>=, CE, C (Enter is = also on a focused key)</td></tr>"
         "<tr><td>Backspace, F9, R, @</td><td>BACK, +/-, 1/x, square root</td></tr>"
         "<tr><td>Ctrl+L, Ctrl+R, Ctrl+P</td><td>MC, MR, M+</td></tr>"
         "<tr><td>Ctrl+Shift+P</td><td>M-</td></tr>"
         "<tr><td>Ctrl+C, Ctrl+V</td><td>copy, paste (also Ctrl+Insert, Shift+Insert)</td></tr>"
         "<tr><td>Ctrl+Q</td><td>quit</td></tr>"
         "<tr><td>Tab, Shift+Tab, arrows</td><td>move between the keys; space clicks one</td></tr>"
         "<tr><td><b>Functions panel</b></td><td></td></tr>"
         "<tr><td>S, O, T, K</td><td>sin, cos, tan, cot</td></tr>"
         "<tr><td>E, W</td><td>sec, cosec</td></tr>"
         "<tr><td>Shift+S, O, T, K</td><td>arcsin, arccos, arctan, arccot</td></tr>"
         "<tr><td>Ctrl+S, O, T, K, E, W</td><td>sinh, cosh, tanh, coth, sech, "
         "cosech</td></tr>"
         "<tr><td>Ctrl+Shift+S, O, T, K</td><td>arsinh, arcosh, artanh, arcoth</td></tr>"
         "<tr><td>N, L, G</td><td>ln, lg, log to the base y</td></tr>"
         "<tr><td>X, B, Q, #</td><td>e<sup>x</sup>, cube root, x², x³</td></tr>"
         "<tr><td>Y or ^, !, P</td><td>x<sup>y</sup>, n!, π</td></tr>"
         "<tr><td>F2, F3, F4, F5</td><td>degrees, radians, grads, turns</td></tr>"
         "</table>"),
      QMessageBox::Ok, this);
  app::ShowModal(box);
}
