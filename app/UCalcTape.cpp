// The tape: each finished calculation as the keys made it, with its result,
// below the keypad. View > Tape shows it (the window grows downwards, its
// top-left corner staying where it is while it fits on the screen). Entries
// are recorded and written to the tape's file whether it shows or not; the
// file is read once the first frame is on screen, and the list is built
// when the tape first shows, so a hidden tape costs the start nothing.

#include "app/ErrorDisplay.h"
#include "app/Geometry.h"
#include "app/TapeList.h"
#include "app/UCalc.h"
#include "platform/desktop/Desktop.h"
#include "settings/USet.h"
#include "ui/Tape.h"
#include "widgets/DxAccessible.h"

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QMenuBar>
#include <QMessageBox>
#include <QScreen>

namespace {

constexpr int TapeMargin = 4;

QString TapeText(const ui::TTapeEntry& entry) {
  return QString::fromStdString(entry.Text);
}

QString Translated(const char* text) {
  return QCoreApplication::translate("TFCalc", text);
}

QString TimeOf(const ui::TTapeEntry& entry) {
  return QLocale().toString(QDateTime::fromSecsSinceEpoch(entry.Time), QLocale::ShortFormat);
}

} // namespace

void TFCalc::BuildTape() {
  FTapeList = new TTapeList(this);
  FTapeList->setAccessibleName(tr("Tape"));
  FTapeList->setFont(font());
  connect(FTapeList, &QListWidget::activated, this, [this](const QModelIndex& index) {
    const int row = index.row();
    app::Guarded(this, [this, row] { UseTapeEntry(row); });
  });
  connect(FTapeList, &TTapeList::CopyRequested, this, [this] {
    app::Guarded(this, [this] { CopyTapeRows(FTape->Text(FTapeList->SelectedRows())); });
  });
  connect(FTapeList, &TTapeList::RemoveRequested, this, [this] { Run(&TFCalc::RemoveTapeRows); });
  FillTapeList();
}

void TFCalc::ViewTapeExecute() {
  USet::Tape = !FViewTape->isChecked();
  ShowTape();
  if (!USet::Tape && FTapeList != nullptr) FTapeList->clearFocus();
}

const ui::TTapeJournal& TFCalc::TapeJournal() const {
  return FTape->Journal();
}

void TFCalc::ShowTape() {
  FTape->Keep(USet::KeepTape);
  TellTapeFailure();
  FViewTape->setChecked(USet::Tape);
  FViewKeepTape->setChecked(USet::KeepTape);
  if (USet::Tape && FTapeList == nullptr) BuildTape();
  if (USet::Tape && !FTape->Loaded() && FPresence.Painted()) LoadTape();
  if (FTapeList != nullptr) FTapeList->setVisible(USet::Tape);
  FitWindow();
}

// The functions panel widens the window, the tape makes it taller; a window
// that would reach past its screen's edges moves back onto it.
void TFCalc::FitWindow() {
  const int width = USet::Functions ? ui::WideWidth : ui::NarrowWidth;
  const int height = ui::WindowHeight + (USet::Tape ? ui::TapeHeight : 0);
  FMenuBar->setFixedSize(width, ui::MenuBarHeight);
  setFixedSize(width, height);
  if (FTapeList != nullptr)
    FTapeList->setGeometry(TapeMargin, ui::WindowHeight, width - 2 * TapeMargin,
                           ui::TapeHeight - TapeMargin);
  if (isVisible()) KeepOnScreen();
}

void TFCalc::ViewKeepTapeExecute() {
  USet::KeepTape = !FViewKeepTape->isChecked();
  FViewKeepTape->setChecked(USet::KeepTape);
  FTape->Keep(USet::KeepTape);
  TellTapeFailure();
}

// Read once, after the first frame or when the tape first shows; an entry
// made before is in the file already.
void TFCalc::LoadTape() {
  const bool read = FTape->LoadOnce();
  TellTapeFailure();
  if (!read) return;
  FillTapeList();
  if (const std::size_t damaged = FTape->Journal().DamagedLines(); damaged != 0)
    QMessageBox::information(this, QApplication::applicationName(),
                             Translated(ui::TapeDamagedNotice)
                                 .arg(QString::fromStdString(FTape->Journal().File().string()))
                                 .arg(damaged));
}

void TFCalc::FillTapeList() {
  if (FTapeList == nullptr) return;
  FTapeList->clear();
  for (const ui::TTapeEntry& entry : FTape->Entries()) {
    auto* item = new QListWidgetItem(TapeText(entry), FTapeList);
    item->setToolTip(TimeOf(entry));
  }
  FTapeList->scrollToBottom();
}

// After every action that went through: a finished calculation goes on the
// tape and into its file at once, and is read out as it appears.
void TFCalc::RecordTape() {
  const auto added = FTape->After(FCalculator);
  if (added && FTapeList != nullptr) {
    if (added->OldestDropped) delete FTapeList->takeItem(0);
    auto* item = new QListWidgetItem(TapeText(added->Entry), FTapeList);
    item->setToolTip(TimeOf(added->Entry));
    FTapeList->scrollToBottom();
    FTapeList->setAccessibleDescription(TapeText(added->Entry));
    widgets::TellTextChanged(FTapeList);
  }
  TellTapeFailure();
}

// The entry's exact result becomes the value, or the right operand of a
// waiting operation, as a paste does.
void TFCalc::UseTapeEntry(int row) {
  if (row < 0) return;
  const std::optional<Extended> result = FTape->Result(std::size_t(row));
  if (!result) return;
  FCalculator.EnterNumber(*result);
  UpdateIndicators();
}

void TFCalc::CopyTapeRows(const std::string& text) {
  if (!text.empty()) platform::WriteClipboardText(text);
}

void TFCalc::EditCopyTapeExecute() {
  CopyTapeRows(FTape->Text());
}

void TFCalc::RemoveTapeRows() {
  const std::vector<std::size_t> rows = FTapeList->SelectedRows();
  FTape->Remove(rows);
  for (auto row = rows.rbegin(); row != rows.rend(); ++row)
    delete FTapeList->takeItem(int(*row));
  TellTapeFailure();
}

void TFCalc::EditClearTapeExecute() {
  if (FTape->Entries().empty()) return;
  const auto answer =
      QMessageBox::question(this, QApplication::applicationName(),
                            Translated(ui::TapeClearQuestion).arg(FTape->Entries().size()));
  if (answer != QMessageBox::Yes) return;
  FTape->Clear();
  if (FTapeList != nullptr) FTapeList->clear();
  TellTapeFailure();
}

// Into the tape, at its newest entry when none is current, and back.
void TFCalc::ViewMoveToTapeExecute() {
  if (FTapeList == nullptr || FTapeList->isHidden()) return;
  if (FTapeList->hasFocus()) {
    FTapeList->clearFocus();
    return;
  }
  FTapeList->setFocus(Qt::ShortcutFocusReason);
  if (FTapeList->currentRow() < 0) FTapeList->setCurrentRow(FTapeList->count() - 1);
}

// Told once a run, after the first write that failed.
void TFCalc::TellTapeFailure() {
  if (!FTape->TakeFailure()) return;
  const ui::TTapeJournal& journal = FTape->Journal();
  QMessageBox::warning(this, QApplication::applicationName(),
                       Translated(ui::TapeFailureNotice)
                           .arg(QString::fromStdString(journal.File().string()),
                                QString::fromLocal8Bit(journal.LastError().message())));
}
