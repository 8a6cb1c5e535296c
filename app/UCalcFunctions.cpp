// The functions panel: a key for each of the engine's function actions and
// the angle unit the trigonometric ones work in, beside the keypad. View >
// Functions shows it (the window grows to the right, its top-left corner
// staying where it is unless the panel would leave the screen) or hides it (the window is exactly
// the 27 keys' window). It is built when it first shows, so a window that never shows it has only
// the 27 keys. Positions are in pixels, relative to the panel's frame.

#include "app/ErrorDisplay.h"
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

struct FunctionKey {
  TCalcAction action;
  const char* name;
  const char16_t* caption;
  int column, row;
  const char* description; // read out after the caption
};

// Every function action but caPower, which does what caXY does, in the
// order of the actions.
constexpr std::size_t FunctionKeyCount = caPI - caSin;

// Five columns of keys in six rows: the first five beside the keypad's rows,
// the last beside the memory display. An inverse is below its function.
// clang-format off
constexpr std::array<FunctionKey, FunctionKeyCount> FunctionKeys = {{
    {caSin,       "btSin",       u"sin",    0, 0, QT_TRANSLATE_NOOP("TFCalc", "Sine")},
    {caCos,       "btCos",       u"cos",    1, 0, QT_TRANSLATE_NOOP("TFCalc", "Cosine")},
    {caTg,        "btTg",        u"tan",    2, 0, QT_TRANSLATE_NOOP("TFCalc", "Tangent")},
    {caCtg,       "btCtg",       u"cot",    3, 0, QT_TRANSLATE_NOOP("TFCalc", "Cotangent")},
    {caSec,       "btSec",       u"sec",    4, 0, QT_TRANSLATE_NOOP("TFCalc", "Secant")},
    {caCosec,     "btCosec",     u"cosec",  4, 1, QT_TRANSLATE_NOOP("TFCalc", "Cosecant")},
    {caArcSin,    "btArcSin",    u"arcsin", 0, 1, QT_TRANSLATE_NOOP("TFCalc", "Arcsine")},
    {caArcCos,    "btArcCos",    u"arccos", 1, 1, QT_TRANSLATE_NOOP("TFCalc", "Arccosine")},
    {caArcTg,     "btArcTg",     u"arctan", 2, 1, QT_TRANSLATE_NOOP("TFCalc", "Arctangent")},
    {caArcCtg,    "btArcCtg",    u"arccot", 3, 1, QT_TRANSLATE_NOOP("TFCalc", "Arccotangent")},
    {caSh,        "btSh",        u"sinh",   0, 2, QT_TRANSLATE_NOOP("TFCalc", "Hyperbolic sine")},
    {caCh,        "btCh",        u"cosh",   1, 2, QT_TRANSLATE_NOOP("TFCalc", "Hyperbolic cosine")},
    {caTh,        "btTh",        u"tanh",   2, 2, QT_TRANSLATE_NOOP("TFCalc", "Hyperbolic tangent")},
    {caCth,       "btCth",       u"coth",   3, 2, QT_TRANSLATE_NOOP("TFCalc", "Hyperbolic cotangent")},
    {caSech,      "btSech",      u"sech",   4, 2, QT_TRANSLATE_NOOP("TFCalc", "Hyperbolic secant")},
    {caCosech,    "btCosech",    u"cosech", 4, 3, QT_TRANSLATE_NOOP("TFCalc", "Hyperbolic cosecant")},
    {caArSh,      "btArSh",      u"arsinh", 0, 3, QT_TRANSLATE_NOOP("TFCalc", "Inverse hyperbolic sine")},
    {caArCh,      "btArCh",      u"arcosh", 1, 3, QT_TRANSLATE_NOOP("TFCalc", "Inverse hyperbolic cosine")},
    {caArTh,      "btArTh",      u"artanh", 2, 3, QT_TRANSLATE_NOOP("TFCalc", "Inverse hyperbolic tangent")},
    {caArCth,     "btArCth",     u"arcoth", 3, 3, QT_TRANSLATE_NOOP("TFCalc", "Inverse hyperbolic cotangent")},
    {caLn,        "btLn",        u"ln",     0, 4, QT_TRANSLATE_NOOP("TFCalc", "Natural logarithm")},
    {caLg,        "btLg",        u"lg",     1, 4, QT_TRANSLATE_NOOP("TFCalc", "Common logarithm")},
    {caLog,       "btLog",       u"log\u1D67x", 2, 4, QT_TRANSLATE_NOOP("TFCalc", "Logarithm to the base y")},
    {caExp,       "btExp",       u"e\u02E3", 3, 4, QT_TRANSLATE_NOOP("TFCalc", "Exponential")},
    {ca3root,     "bt3root",     u"\u221Bx", 4, 4, QT_TRANSLATE_NOOP("TFCalc", "Cube root")},
    {caSqr,       "btSqr",       u"x\u00B2", 0, 5, QT_TRANSLATE_NOOP("TFCalc", "Square")},
    {caX3,        "btX3",        u"x\u00B3", 1, 5, QT_TRANSLATE_NOOP("TFCalc", "Cube")},
    {caXY,        "btXY",        u"x\u02B8", 2, 5, QT_TRANSLATE_NOOP("TFCalc", "Power")},
    {caFactorial, "btFactorial", u"n!",     3, 5, QT_TRANSLATE_NOOP("TFCalc", "Factorial")},
    {caPI,        "btPI",        u"\u03C0", 4, 5, QT_TRANSLATE_NOOP("TFCalc", "Pi")},
}};
// clang-format on

constexpr bool KeysInActionOrder() {
  for (std::size_t i = 0; i < FunctionKeys.size(); ++i) {
    const std::size_t action = caSin + i + (caSin + i >= caPower ? 1 : 0);
    if (FunctionKeys[i].action != action) return false;
  }
  return true;
}
static_assert(KeysInActionOrder(), "one key per function action, in the actions' order");

struct AngleKey {
  TAngularMeasure measure;
  const char* name;
  const char* caption;
  const char* unit; // as the value's description names it
};

constexpr std::array<AngleKey, amCycle + 1> AngleKeys = {{
    {amRad, "btRad", QT_TRANSLATE_NOOP("TFCalc", "Rad"), QT_TRANSLATE_NOOP("TFCalc", "radians")},
    {amDeg, "btDeg", QT_TRANSLATE_NOOP("TFCalc", "Deg"), QT_TRANSLATE_NOOP("TFCalc", "degrees")},
    {amGrad, "btGrad", QT_TRANSLATE_NOOP("TFCalc", "Grad"), QT_TRANSLATE_NOOP("TFCalc", "grads")},
    {amCycle, "btCycle", QT_TRANSLATE_NOOP("TFCalc", "Turn"), QT_TRANSLATE_NOOP("TFCalc", "turns")},
}};

constexpr bool AngleKeysInOrder() {
  for (std::size_t i = 0; i < AngleKeys.size(); ++i)
    if (AngleKeys[i].measure != i) return false;
  return true;
}
static_assert(AngleKeysInOrder(), "one key per angle unit, in the units' order");

// The frame's client area: keys 46 x 25, three pixels apart; the function
// rows line up with the keypad's rows and the memory display, the angle
// units with the value display.
constexpr int KeyWidth = 46, KeyHeight = 25, Left = 4;
constexpr int RowTops[] = {29, 56, 83, 110, 137, 168};
constexpr int AngleTop = 1, AngleWidth = 58;

// The window's width with the panel hidden and shown; its height is fixed.
constexpr int NarrowWidth = 260, WideWidth = 520, Height = 225;

QString Translated(const char* text) {
  return QCoreApplication::translate("TFCalc", text);
}

} // namespace

void TFCalc::BuildFunctions() {
  FFunctionArea = new TdxContainer(this);
  FFunctionArea->setGeometry(257, 20, WideWidth - 257, Height - 20);
  FFunctionArea->setAccessibleName(tr("Functions"));
  auto* frame = new TmxFlatPanel(FFunctionArea);
  frame->setObjectName("FunctionPanel");
  frame->setGeometry(3, 4, 255, 197);
  frame->SetColor(Qt::white);
  frame->SetFontColor(Qt::black);
  frame->SetBorderColor(QColor(166, 202, 240));
  frame->setAccessibleName(tr("Functions"));
  for (const FunctionKey& key : FunctionKeys) {
    const QRect place(Left + key.column * (KeyWidth + 3), RowTops[key.row], KeyWidth, KeyHeight);
    TdxButton* button = AddKey(*frame->Client(), key.name, place, QString::fromUtf16(key.caption),
                               TKeyGroup::Green);
    button->setAccessibleDescription(Translated(key.description));
    ConnectAction(*button, key.action);
  }
  for (const AngleKey& key : AngleKeys) {
    const QRect place(Left + key.measure * (AngleWidth + 3), AngleTop, AngleWidth, KeyHeight);
    TdxButton* button =
        AddKey(*frame->Client(), key.name, place, Translated(key.caption), TKeyGroup::Green);
    FAngleKeys[key.measure] = button;
    const TAngularMeasure measure = key.measure;
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
  const int width = USet::Functions ? WideWidth : NarrowWidth;
  FMenuBar->setFixedSize(width, 24);
  setFixedSize(width, Height);
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
      FunctionsShown() ? tr("Value, angles in %1").arg(Translated(AngleKeys[chosen].unit))
                       : tr("Value"));
  widgets::TellTextChanged(FMainIndicator);
}

void TFCalc::ShowAngleKeys(TAngularMeasure chosen) {
  for (const AngleKey& key : AngleKeys) {
    TdxButton& button = *FAngleKeys[key.measure];
    const bool isChosen = key.measure == chosen;
    look::ApplyKeyColors(button, isChosen ? TKeyGroup::Red : TKeyGroup::Green);
    button.SetCaption((isChosen ? QStringLiteral("\u2022 ") : QString()) + Translated(key.caption));
    button.setAccessibleName(Translated(key.caption)); // the mark is not read out
    button.setAccessibleDescription(isChosen ? tr("Angles in %1, chosen").arg(Translated(key.unit))
                                             : tr("Angles in %1").arg(Translated(key.unit)));
    widgets::TellTextChanged(&button);
  }
}
