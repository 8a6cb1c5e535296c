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

#include <QApplication>
#include <QMessageBox>

// Only the value changes: no refresh follows, so the memory display, the
// operation sign and the pending operation stay as they are, and a pending
// operation takes the submitted number as its right operand.
void TFCalc::PanelIndicatorClick() {
  USet::Value = FCalculator.Value();
  TFSubmitNumber dialog(this, FCalculator.Separators());
  dialog.FormCreate();
  if (dialog.exec() != mrOk) return;
  FCalculator.EnterNumber(USet::Value);
  FMainIndicator->SetText(USet::Value);
}

// A record that cannot be read is reported, and the box opens all the same,
// with its placeholders.
void TFCalc::HelpAbout1Execute() {
  TAboutBox box(this);
  app::Guarded(this, [&box] { box.FormCreate(); });
  box.exec();
}

// The keys of the key map (app/KeyMap.h), as a table the user can read.
void TFCalc::HelpKeyboardExecute() {
  QMessageBox box(
      QMessageBox::Information, QApplication::applicationName(),
      tr("<table>"
         "<tr><td><b>Keys</b></td><td></td></tr>"
         "<tr><td>0-9 . ,</td><td>digits, decimal separator</td></tr>"
         "<tr><td>+ - * / (keypad)</td><td>operations</td></tr>"
         "<tr><td>Shift+5, Shift+8</td><td>%, *</td></tr>"
         "<tr><td>Enter, Esc, Delete</td><td>=, CE, C</td></tr>"
         "<tr><td>Backspace, F9, R, @</td><td>BACK, +/-, 1/x, square root</td></tr>"
         "<tr><td>Ctrl+L, Ctrl+R, Ctrl+P, Ctrl+Q</td><td>MC, MR, M+, M-</td></tr>"
         "<tr><td>Ctrl+Insert, Shift+Insert</td><td>copy, paste</td></tr>"
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
  box.exec();
}
