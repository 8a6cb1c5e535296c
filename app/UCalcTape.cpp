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
#include "ui/TapeJournal.h"
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
  connect(FTapeList, &TTapeList::CopyRequested, this,
          [this] { app::Guarded(this, [this] { CopyTapeRows(FTapeList->SelectedRows()); }); });
  connect(FTapeList, &TTapeList::RemoveRequested, this, [this] { Run(&TFCalc::RemoveTapeRows); });
  FillTapeList();
}

void TFCalc::ViewTapeExecute() {
  USet::Tape = !FViewTape->isChecked();
  ShowTape();
  if (!USet::Tape && FTapeList != nullptr) FTapeList->clearFocus();
}

// Without a home folder, the tape is kept for this run only.
void TFCalc::ShowTape() {
  const bool keep = USet::KeepTape && !FTapeJournal->File().empty();
  if (keep != FTapeJournal->KeepAcrossRestarts() && !FTapeJournal->SetKeepAcrossRestarts(keep))
    TellTapeFailure();
  FViewTape->setChecked(USet::Tape);
  FViewKeepTape->setChecked(USet::KeepTape);
  if (USet::Tape && FTapeList == nullptr) BuildTape();
  if (USet::Tape && !FTapeLoaded && FPresence.Painted()) LoadTape();
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
  if (!FTapeJournal->SetKeepAcrossRestarts(USet::KeepTape)) TellTapeFailure();
}

// Read once, after the first frame or when the tape first shows; an entry
// made before is in the file already.
void TFCalc::LoadTape() {
  FTapeLoaded = true;
  if (!FTapeJournal->KeepAcrossRestarts()) return;
  if (!FTapeJournal->Load()) {
    TellTapeFailure();
    return;
  }
  FillTapeList();
  if (const std::size_t damaged = FTapeJournal->DamagedLines(); damaged != 0)
    QMessageBox::information(
        this, QApplication::applicationName(),
        tr("Lines of the tape file \"%1\" that could not be read were skipped (%2).")
            .arg(QString::fromStdString(FTapeJournal->File().string()))
            .arg(damaged));
}

void TFCalc::FillTapeList() {
  if (FTapeList == nullptr) return;
  FTapeList->clear();
  for (const ui::TTapeEntry& entry : FTapeJournal->Entries()) {
    auto* item = new QListWidgetItem(TapeText(entry), FTapeList);
    item->setToolTip(TimeOf(entry));
  }
  FTapeList->scrollToBottom();
}

// After every action that went through: a finished calculation goes on the
// tape and into its file at once, and is read out as it appears.
void TFCalc::RecordTape() {
  auto entry = FTapeChain.After(FCalculator);
  if (!entry) return;
  const std::size_t before = FTapeJournal->Entries().size();
  const bool written = FTapeJournal->Add(std::move(*entry));
  if (FTapeList != nullptr) {
    const ui::TTapeEntry& added = FTapeJournal->Entries().back();
    if (FTapeJournal->Entries().size() == before) delete FTapeList->takeItem(0);
    auto* item = new QListWidgetItem(TapeText(added), FTapeList);
    item->setToolTip(TimeOf(added));
    FTapeList->scrollToBottom();
    FTapeList->setAccessibleDescription(TapeText(added));
    widgets::TellTextChanged(FTapeList);
  }
  if (!written) TellTapeFailure();
}

// The entry's exact result becomes the value, or the right operand of a
// waiting operation, as a paste does.
void TFCalc::UseTapeEntry(int row) {
  if (row < 0 || std::size_t(row) >= FTapeJournal->Entries().size()) return;
  FCalculator.EnterNumber(FTapeJournal->Entries()[std::size_t(row)].Result);
  UpdateIndicators();
}

// One entry a line, each line ended.
void TFCalc::CopyTapeRows(const QList<int>& rows) {
  std::string text;
  for (const int row : rows)
    if (row >= 0 && std::size_t(row) < FTapeJournal->Entries().size())
      text += FTapeJournal->Entries()[std::size_t(row)].Text + '\n';
  if (!text.empty()) platform::WriteClipboardText(text);
}

void TFCalc::EditCopyTapeExecute() {
  QList<int> rows;
  for (int row = 0; row < int(FTapeJournal->Entries().size()); ++row)
    rows.append(row);
  CopyTapeRows(rows);
}

// From the last selected up, so that the rows above keep their numbers.
void TFCalc::RemoveTapeRows() {
  const QList<int> rows = FTapeList->SelectedRows();
  bool written = true;
  for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
    written = FTapeJournal->Remove(std::size_t(*row)) && written;
    delete FTapeList->takeItem(*row);
  }
  if (!written) TellTapeFailure();
}

void TFCalc::EditClearTapeExecute() {
  if (FTapeJournal->Entries().empty()) return;
  const auto answer =
      QMessageBox::question(this, QApplication::applicationName(),
                            tr("Clear the tape? All its entries (%1) will be removed for good.")
                                .arg(FTapeJournal->Entries().size()));
  if (answer != QMessageBox::Yes) return;
  const bool emptied = FTapeJournal->Clear();
  if (FTapeList != nullptr) FTapeList->clear();
  if (!emptied) TellTapeFailure();
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

// Told once a run: the entries stay on the tape until the program ends.
void TFCalc::TellTapeFailure() {
  if (FTapeFailureTold) return;
  FTapeFailureTold = true;
  QMessageBox::warning(this, QApplication::applicationName(),
                       tr("The tape cannot be kept in \"%1\": %2. Its entries are kept until "
                          "Tallyon closes.")
                           .arg(QString::fromStdString(FTapeJournal->File().string()),
                                QString::fromLocal8Bit(FTapeJournal->LastError().message())));
}
