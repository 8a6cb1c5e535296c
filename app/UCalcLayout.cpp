// The main window's layout: the keypad with the value panel, the memory area
// with its panel. Positions are the stored layout's, in pixels, relative to
// the area that holds them.

#include "app/ErrorDisplay.h"
#include "app/Pictures.h"
#include "app/UCalc.h"
#include "display/CalcIndicator.h"
#include "display/Fonts.h"
#include "widgets/DxButton.h"
#include "widgets/DxContainer.h"
#include "widgets/MxFlatPanel.h"

namespace {

enum class Group { Red, Green };

struct ButtonSpec {
  const char* name;
  const char16_t* caption;
  int left, top, width, height;
  Group group;
  TCalcAction action;
  int captionPixels = 11;
};

// clang-format off
constexpr ButtonSpec Buttons[] = {
    {"btClear",      u"C",    5,   35, 46, 25, Group::Red,   caClear},
    {"btClearEntr",  u"CE",   54,  35, 46, 25, Group::Red,   caClearEntr},
    {"btSignChange", u"+/-",  106, 35, 35, 25, Group::Green, caSignChange},
    {"btDivide",     u"/",    144, 35, 35, 25, Group::Red,   caDivide},
    {"btMulty",      u"\u2217", 182, 35, 35, 25, Group::Red, caMulty}, // the Symbol asterisk
    {"btMinus",      u"-",    220, 35, 35, 25, Group::Red,   caMinus, 13},
    {"btMemClear",   u"MC",   5,   62, 46, 25, Group::Red,   caMemClear},
    {"btBackSpace",  u"BACK", 54,  62, 46, 25, Group::Red,   caBackSpace},
    {"bt7",          u"7",    106, 62, 35, 25, Group::Green, ca7},
    {"bt8",          u"8",    144, 62, 35, 25, Group::Green, ca8},
    {"bt9",          u"9",    182, 62, 35, 25, Group::Green, ca9},
    {"btPlus",       u"+",    220, 62, 35, 52, Group::Red,   caPlus},
    {"btMemRecall",  u"MR",   5,   89, 46, 25, Group::Red,   caMemRecall},
    {"btPerCent",    u"%",    54,  89, 46, 25, Group::Green, caPerCent},
    {"bt4",          u"4",    106, 89, 35, 25, Group::Green, ca4},
    {"bt5",          u"5",    144, 89, 35, 25, Group::Green, ca5},
    {"bt6",          u"6",    182, 89, 35, 25, Group::Green, ca6},
    {"btMemMinus",   u"M-",   5,   116, 46, 25, Group::Red,  caMemMinus},
    {"btInverse",    u"1/x",  54,  116, 46, 25, Group::Green, caInverse},
    {"bt1",          u"1",    106, 116, 35, 25, Group::Green, ca1},
    {"bt2",          u"2",    144, 116, 35, 25, Group::Green, ca2},
    {"bt3",          u"3",    182, 116, 35, 25, Group::Green, ca3},
    {"btEqual",      u"=",    220, 116, 35, 52, Group::Red,  caEqual},
    {"btMemPlus",    u"M+",   5,   143, 46, 25, Group::Red,  caMemPlus},
    {"btSqrt",       u"",     54,  143, 46, 25, Group::Green, caSqrt},
    {"bt0",          u"0",    106, 143, 73, 25, Group::Green, ca0},
    {"btDecSep",     u".",    182, 143, 35, 25, Group::Green, caDecSep, 19},
};
// clang-format on

struct ColorGroup {
  QColor backgroundFrom, backgroundTo, focusedFrom, focusedTo, borderLine;
};

const ColorGroup& ColorsOf(Group group) {
  static const ColorGroup red{
      {255, 206, 207}, {255, 155, 157}, {255, 206, 207}, {255, 91, 96}, Qt::red};
  static const ColorGroup green{
      {210, 232, 220}, {158, 205, 180}, {210, 232, 220}, {109, 180, 142}, QColor(0, 128, 0)};
  return group == Group::Red ? red : green;
}

void ApplyColors(TdxButton& button, const ColorGroup& colors) {
  button.Colors().SetBackgroundFrom(colors.backgroundFrom);
  button.Colors().SetBackgroundTo(colors.backgroundTo);
  button.Colors().SetFocusedFrom(colors.focusedFrom);
  button.Colors().SetFocusedTo(colors.focusedTo);
  button.Colors().SetBorderLine(colors.borderLine);
}

// A white panel with a sky-blue ring, a left-aligned caption and a display.
TmxFlatPanel* MakePanel(QWidget* parent, QRect geometry, const QString& caption, QFont font) {
  auto* panel = new TmxFlatPanel(parent);
  panel->setGeometry(geometry);
  panel->SetColor(Qt::white);
  panel->SetBorderColor(QColor(166, 202, 240));
  panel->SetAlignment(Qt::AlignLeft);
  panel->setFont(font);
  panel->SetCaption(caption);
  return panel;
}

TCVCalcIndicator* MakeIndicator(TmxFlatPanel* panel) {
  auto* indicator = new TCVCalcIndicator(panel->Client());
  indicator->setGeometry(46, 4, 198, 20);
  indicator->setFont(IndicatorFont());
  return indicator;
}

} // namespace

void TFCalc::BuildKeypad() {
  FKeypad = new TdxContainer(this);
  FKeypad->setGeometry(0, 20, 257, 171);
  FPanelIndicator = MakePanel(FKeypad, QRect(5, 4, 250, 27), QStringLiteral(" ="),
                              TypefaceFont(TTypeface::tfMSSansSerif, 13, true));
  FPanelIndicator->setObjectName("PanelIndicator");
  FMainIndicator = MakeIndicator(FPanelIndicator);
  FMainIndicator->setObjectName("MainIndicator");
  connect(FPanelIndicator, &TmxFlatPanel::OnClick, this,
          [this] { Run(&TFCalc::PanelIndicatorClick); });
  connect(FMainIndicator, &TCVCalcIndicator::clicked, this,
          [this] { Run(&TFCalc::PanelIndicatorClick); });

  for (const ButtonSpec& spec : Buttons) {
    auto* button = new TdxButton(FKeypad);
    button->setObjectName(spec.name);
    button->setGeometry(spec.left, spec.top, spec.width, spec.height);
    button->SetTabStop(false);
    button->setFont(TypefaceFont(TTypeface::tfMSSansSerif, spec.captionPixels, true));
    button->SetCaption(QString::fromUtf16(spec.caption));
    ApplyColors(*button, ColorsOf(spec.group));
    if (spec.action == caSqrt) {
      button->SetGlyph(RadicalSign(devicePixelRatioF()));
      button->SetLayout(blGlyphRight);
    }
    const TCalcAction action = spec.action;
    connect(button, &TdxButton::OnClick, this,
            [this, action] { Guarded(this, [this, action] { ButtonClick(action); }); });
  }
}

void TFCalc::BuildMemoryArea() {
  FMemoryArea = new TdxContainer(this);
  FMemoryArea->setGeometry(0, 191, 257, 31);
  FMemoryPanel = MakePanel(FMemoryArea, QRect(4, 2, 250, 27), QStringLiteral(" Memory ="),
                           TypefaceFont(TTypeface::tfMSSansSerif, 11, false));
  FMemoryPanel->setObjectName("mxFlatPanel1");
  FMemoryIndicator = MakeIndicator(FMemoryPanel);
  FMemoryIndicator->setObjectName("memoryIndicator");
}
