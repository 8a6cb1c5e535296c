// The functions panel: a key for each of the engine's function actions and
// the angle unit the trigonometric ones work in, beside the keypad. View >
// Functions shows it (the window grows to the right, its top-left corner
// staying where it is unless the panel would leave the screen) or hides it (the window is exactly
// the 27 keys' window). It is built when it first shows, so a window that never shows it has only
// the 27 keys. Positions are in pixels, relative to the panel's frame.

#include "app/ErrorDisplay.h"
#include "app/Geometry.h"
#include "app/UCalc.h"
#include "display/CalcIndicator.h"
#include "settings/USet.h"
#include "widgets/DxAccessible.h"
#include "widgets/DxButton.h"
#include "widgets/DxContainer.h"
#include "widgets/MxFlatPanel.h"
#include "widgets/look/KeyColors.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenuBar>
#include <QScreen>

#include <algorithm>
#include <array>
#include <cstddef>

namespace {

QString Translated(const char* text) {
  return QCoreApplication::translate("TFCalc", text);
}

} // namespace

void TFCalc::BuildFunctions() {
  FFunctionArea = new TdxContainer(this);
  FFunctionArea->setGeometry(app::Rect(ui::FunctionArea));
  FFunctionArea->setAccessibleName(tr("Functions"));
  auto* frame = new TmxFlatPanel(FFunctionArea);
  frame->setObjectName("FunctionPanel");
  frame->setGeometry(app::Rect(ui::FunctionFrame));
  frame->SetColor(Qt::white);
  frame->SetFontColor(Qt::black);
  frame->SetBorderColor(QColor(166, 202, 240));
  frame->setAccessibleName(tr("Functions"));
  for (const ui::TKeyLayout& key : ui::FunctionKeys) {
    TdxButton* button = AddKey(*frame->Client(), key.Name, app::Rect(key.Place),
                               QString::fromUtf8(key.Caption), key.Group);
    button->setAccessibleDescription(Translated(key.Description));
    ConnectAction(*button, key.Action);
  }
  for (const ui::TAngleKey& key : ui::AngleKeys) {
    TdxButton* button = AddKey(*frame->Client(), key.Name, app::Rect(key.Place),
                               Translated(key.Caption), TKeyGroup::Green);
    FAngleKeys[key.Measure] = button;
    const TAngularMeasure measure = key.Measure;
    connect(button, &TdxButton::OnClick, this, [this, measure] {
      app::Guarded(this, [this, measure] { SetAngularMeasure(measure); });
    });
  }
}

bool TFCalc::FunctionsShown() const {
  return FFunctionArea != nullptr && !FFunctionArea->isHidden();
}

void TFCalc::ViewFunctionsExecute() {
  USet::Functions = !FViewFunctions->isChecked();
  ShowFunctions();
}

// A fixed size in either state; the window keeps its position, so its
// top-left corner stays where it is, unless the panel would then reach past
// the screen's right edge: the window moves left so that all of it shows.
void TFCalc::ShowFunctions() {
  FViewFunctions->setChecked(USet::Functions);
  if (USet::Functions && FFunctionArea == nullptr) BuildFunctions();
  if (FFunctionArea != nullptr) FFunctionArea->setVisible(USet::Functions);
  const int width = USet::Functions ? ui::WideWidth : ui::NarrowWidth;
  FMenuBar->setFixedSize(width, ui::MenuBarHeight);
  setFixedSize(width, ui::WindowHeight);
  if (isVisible()) KeepOnScreen();
  ShowAngularMeasure();
}

void TFCalc::KeepOnScreen() {
  const QRect area = screen()->availableGeometry();
  // The frame as it is about to be: the new width and the frame's margins.
  const int frameRight =
      frameGeometry().x() + (frameGeometry().width() - geometry().width()) + width() - 1;
  const int past = frameRight - area.right();
  if (past > 0) move(std::max(area.left(), pos().x() - past), pos().y());
}

void TFCalc::SetAngularMeasure(TAngularMeasure measure) {
  FCalculator.SetAngularMeasure(measure);
  USet::AngularMeasure = measure;
  ShowAngularMeasure();
}

// The chosen unit's key is red and marked, the others green; the value's
// description names the unit while the panel shows.
void TFCalc::ShowAngularMeasure() {
  const TAngularMeasure chosen = FCalculator.AngularMeasure();
  if (FFunctionArea != nullptr) ShowAngleKeys(chosen);
  FMainIndicator->setAccessibleDescription(
      FunctionsShown() ? tr("Value, angles in %1").arg(Translated(ui::AngleKeys[chosen].Unit))
                       : tr("Value"));
  widgets::TellTextChanged(FMainIndicator);
}

void TFCalc::ShowAngleKeys(TAngularMeasure chosen) {
  for (const ui::TAngleKey& key : ui::AngleKeys) {
    TdxButton& button = *FAngleKeys[key.Measure];
    const bool isChosen = key.Measure == chosen;
    look::ApplyKeyColors(button, isChosen ? TKeyGroup::Red : TKeyGroup::Green);
    button.SetCaption((isChosen ? QStringLiteral("\u2022 ") : QString()) + Translated(key.Caption));
    button.setAccessibleName(Translated(key.Caption)); // the mark is not read out
    button.setAccessibleDescription(isChosen ? tr("Angles in %1, chosen").arg(Translated(key.Unit))
                                             : tr("Angles in %1").arg(Translated(key.Unit)));
    widgets::TellTextChanged(&button);
  }
}
