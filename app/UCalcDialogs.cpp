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
#include "ui/KeyHelp.h"
#include "widgets/DxButton.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>

// Only the value changes: no refresh follows, so the memory display, the
// operation sign and the pending operation stay as they are, and a pending
// operation takes the submitted number as its right operand.
void TFCalc::PanelIndicatorClick() {
  USet::Value = FCalculator.Value();
  TFSubmitNumber dialog(this, FCalculator.Separators());
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

// The key table (ui/KeyTable.h) as a table the user can read, in the
// user's language.
void TFCalc::HelpKeyboardExecute() {
  const auto translated = [](const char* text) {
    return QCoreApplication::translate("TFCalc", text).toStdString();
  };
  const QString heading = QStringLiteral("<tr><td><b>%1</b></td><td></td></tr>");
  const std::string rows = ui::KeyHelpLines(
      [&translated](const ui::TKeyRow& row) {
        return QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
            .arg(QString::fromStdString(ui::HelpKeys(row, translated)).toHtmlEscaped(),
                 QString::fromStdString(translated(row.Does)).toHtmlEscaped())
            .toStdString();
      },
      heading.arg(tr("Functions panel")).toStdString());
  const QString table =
      QStringLiteral("<style>td { padding-right: 8px; white-space: nowrap }</style>"
                     "<table cellspacing=\"2\">") +
      heading.arg(tr("Keys")) + QString::fromStdString(rows);
  QMessageBox box(QMessageBox::Information, QApplication::applicationName(),
                  table + QStringLiteral("</table>"), QMessageBox::Ok, this);
  app::ShowModal(box);
}
