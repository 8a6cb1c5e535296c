#include "app/UCalc.h"

#include "app/Endings.h"
#include "app/ErrorDisplay.h"
#include "app/ExposureWatch.h"
#include "app/SettingsSaver.h"
#include "display/CalcIndicator.h"
#include "engine/CalculatorForm.h"
#include "engine/StoredNumber.h"
#include "platform/desktop/Desktop.h"
#include "settings/USet.h"
#include "tallyon/Product.h"
#include "ui/Tape.h"
#include "ui/WindowTexts.h"
#include "widgets/DxButton.h"
#include "widgets/MxFlatPanel.h"
#include "widgets/look/Fonts.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QTimer>

#include <utility>

TFCalc::TFCalc(engine::NumberSeparators separators, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      FTape(std::make_unique<ui::TTape>(
          ui::TTapeJournal::DefaultFile().value_or(std::filesystem::path()))),
      FSaver(new TSettingsSaver(this)) {
  setWindowTitle(QCoreApplication::translate("TFCalc", ui::WindowCaption));
  setFont(look::TypefaceFont(TTypeface::MSSansSerif, 11, false));
  setFixedSize(260, 225);
  FCalculator.SetSeparators(std::move(separators));
  engine::LoadCalculatorForm(FCalculator);
  BuildMenus();
  BuildKeypad();
  BuildMemoryArea();
  ShowPresenceLimits();
  FTrayWatch = new QTimer(this);
  FTrayWatch->setInterval(1000);
  connect(FTrayWatch, &QTimer::timeout, this, [this] { Run(&TFCalc::WatchTray); });
  new app::ExposureWatch(*this, [this] { WindowExposed(); });
  // Key preview: the window sees every key press before its controls do.
  qApp->installEventFilter(this);
  Run(&TFCalc::FormCreate);
}

TFCalc::~TFCalc() {
  qApp->removeEventFilter(this);
}

void TFCalc::Run(void (TFCalc::*command)()) {
  app::Guarded(this, [this, command] { (this->*command)(); });
}

// A failing step is reported and skips the rest; the window opens all the same.
void TFCalc::FormCreate() {
  USet::LoadSettings();
  // Stored under any locale, read in this one's form.
  const char decimal = FCalculator.Separators().decimal;
  USet::Value = engine::StoredNumberText(USet::Value, decimal);
  USet::Memory = engine::StoredNumberText(USet::Memory, decimal);
  ShowThouSep();
  FCalculator.SetValue(USet::Value);
  FCalculator.Memory().SetValue(USet::Memory);
  UpdateIndicators();
  FViewStayOnTop->setChecked(USet::StayOnTop);
  ApplyStayOnTop(USet::StayOnTop);
  SetAngularMeasure(static_cast<TAngularMeasure>(USet::AngularMeasure));
  ShowFunctions();
  ShowTape();
}

void TFCalc::UpdateIndicators() {
  FMainIndicator->SetText(FCalculator.Value());
  FMemoryIndicator->SetText(FCalculator.Memory().Value());
  USet::Value = FCalculator.Value();
  USet::Memory = FCalculator.Memory().Value();
  FPanelIndicator->SetCaption(QString::fromStdString(ui::OperationSign(FCalculator.Operation())));
  ShowTrayToolTip();
}

void TFCalc::ViewThouSepExecute() {
  USet::ThouSep = !FViewThouSep->isChecked();
  ShowThouSep();
}

// The grouping setting on the check mark and both displays, which then show
// the settings' texts; passing through "0" makes a display format its value
// again even when the text is unchanged.
void TFCalc::ShowThouSep() {
  FViewThouSep->setChecked(USet::ThouSep);
  FMainIndicator->SetThouSep(USet::ThouSep);
  FMemoryIndicator->SetThouSep(USet::ThouSep);
  FMainIndicator->SetText("0");
  FMainIndicator->SetText(USet::Value);
  FMemoryIndicator->SetText("0");
  FMemoryIndicator->SetText(USet::Memory);
  ShowTrayToolTip();
}

void TFCalc::HelpHomePage1Execute() {
  platform::ShellOpen(tallyon::HomePage);
}

void TFCalc::FileExitExecute() {
  close();
}

// The window goes at once and the settings are stored after; a failing save
// brings it back with the error, and the user may quit without saving or
// keep it.
void TFCalc::closeEvent(QCloseEvent* event) {
  event->accept();
  Endings::Close(*this, *FSaver);
}
