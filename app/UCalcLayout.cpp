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
#include "widgets/KeyColors.h"
#include "widgets/MxFlatPanel.h"

namespace {

struct ButtonSpec {
  const char* name;
  const char16_t* caption;
  int left, top, width, height;
  TKeyGroup group;
  TCalcAction action;
  // Read out after the caption by assistive technology: what the key does.
  const char* description;
  int captionPixels = 11;
};

// clang-format off
constexpr ButtonSpec Buttons[] = {
    {"btClear",      u"C",    5,   35, 46, 25, TKeyGroup::kgRed,   caClear, "Clear"},
    {"btClearEntr",  u"CE",   54,  35, 46, 25, TKeyGroup::kgRed,   caClearEntr, "Clear entry"},
    {"btSignChange", u"+/-",  106, 35, 35, 25, TKeyGroup::kgGreen, caSignChange, "Change sign"},
    {"btDivide",     u"/",    144, 35, 35, 25, TKeyGroup::kgRed,   caDivide, "Divide"},
    {"btMulty",      u"\u2217", 182, 35, 35, 25, TKeyGroup::kgRed, caMulty, "Multiply"}, // the Symbol asterisk
    {"btMinus",      u"-",    220, 35, 35, 25, TKeyGroup::kgRed,   caMinus, "Subtract", 13},
    {"btMemClear",   u"MC",   5,   62, 46, 25, TKeyGroup::kgRed,   caMemClear, "Memory clear"},
    {"btBackSpace",  u"BACK", 54,  62, 46, 25, TKeyGroup::kgRed,   caBackSpace, "Delete the last digit"},
    {"bt7",          u"7",    106, 62, 35, 25, TKeyGroup::kgGreen, ca7, "Digit"},
    {"bt8",          u"8",    144, 62, 35, 25, TKeyGroup::kgGreen, ca8, "Digit"},
    {"bt9",          u"9",    182, 62, 35, 25, TKeyGroup::kgGreen, ca9, "Digit"},
    {"btPlus",       u"+",    220, 62, 35, 52, TKeyGroup::kgRed,   caPlus, "Add"},
    {"btMemRecall",  u"MR",   5,   89, 46, 25, TKeyGroup::kgRed,   caMemRecall, "Memory recall"},
    {"btPerCent",    u"%",    54,  89, 46, 25, TKeyGroup::kgGreen, caPerCent, "Percent"},
    {"bt4",          u"4",    106, 89, 35, 25, TKeyGroup::kgGreen, ca4, "Digit"},
    {"bt5",          u"5",    144, 89, 35, 25, TKeyGroup::kgGreen, ca5, "Digit"},
    {"bt6",          u"6",    182, 89, 35, 25, TKeyGroup::kgGreen, ca6, "Digit"},
    {"btMemMinus",   u"M-",   5,   116, 46, 25, TKeyGroup::kgRed,  caMemMinus, "Memory subtract"},
    {"btInverse",    u"1/x",  54,  116, 46, 25, TKeyGroup::kgGreen, caInverse, "Reciprocal"},
    {"bt1",          u"1",    106, 116, 35, 25, TKeyGroup::kgGreen, ca1, "Digit"},
    {"bt2",          u"2",    144, 116, 35, 25, TKeyGroup::kgGreen, ca2, "Digit"},
    {"bt3",          u"3",    182, 116, 35, 25, TKeyGroup::kgGreen, ca3, "Digit"},
    {"btEqual",      u"=",    220, 116, 35, 52, TKeyGroup::kgRed,  caEqual, "Equals"},
    {"btMemPlus",    u"M+",   5,   143, 46, 25, TKeyGroup::kgRed,  caMemPlus, "Memory add"},
    {"btSqrt",       u"",     54,  143, 46, 25, TKeyGroup::kgGreen, caSqrt, "Square root"},
    {"bt0",          u"0",    106, 143, 73, 25, TKeyGroup::kgGreen, ca0, "Digit"},
    {"btDecSep",     u".",    182, 143, 35, 25, TKeyGroup::kgGreen, caDecSep, "Decimal separator", 19},
};
// clang-format on

// A white panel with a sky-blue ring, a left-aligned black caption and a
// display, which writes in the panel's text colour.
TmxFlatPanel* MakePanel(QWidget* parent, QRect geometry, const QString& caption, QFont font) {
  auto* panel = new TmxFlatPanel(parent);
  panel->setGeometry(geometry);
  panel->SetColor(Qt::white);
  panel->SetFontColor(Qt::black);
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
  FKeypad->setAccessibleName(tr("Keypad"));
  FPanelIndicator = MakePanel(FKeypad, QRect(5, 4, 250, 27), QStringLiteral(" ="),
                              TypefaceFont(TTypeface::tfMSSansSerif, 13, true));
  FPanelIndicator->setObjectName("PanelIndicator");
  FPanelIndicator->setAccessibleName(tr("Value"));
  FMainIndicator = MakeIndicator(FPanelIndicator);
  FMainIndicator->setObjectName("MainIndicator");
  FMainIndicator->setAccessibleDescription(tr("Value"));
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
    ApplyKeyColors(*button, spec.group);
    if (spec.action == caSqrt) {
      button->SetGlyph(RadicalSign(devicePixelRatioF()));
      button->SetLayout(blGlyphRight);
      // It has no caption to read out, so what it does is its name.
      button->setAccessibleName(tr(spec.description));
    } else {
      button->setAccessibleDescription(tr(spec.description));
    }
    const TCalcAction action = spec.action;
    connect(button, &TdxButton::OnClick, this,
            [this, action] { Guarded(this, [this, action] { ButtonClick(action); }); });
  }
}

void TFCalc::BuildMemoryArea() {
  FMemoryArea = new TdxContainer(this);
  FMemoryArea->setGeometry(0, 191, 257, 31);
  FMemoryArea->setAccessibleName(tr("Memory"));
  FMemoryPanel = MakePanel(FMemoryArea, QRect(4, 2, 250, 27), QStringLiteral(" Memory ="),
                           TypefaceFont(TTypeface::tfMSSansSerif, 11, false));
  FMemoryPanel->setObjectName("mxFlatPanel1");
  FMemoryPanel->setAccessibleName(tr("Memory"));
  FMemoryIndicator = MakeIndicator(FMemoryPanel);
  FMemoryIndicator->setObjectName("memoryIndicator");
  FMemoryIndicator->setAccessibleDescription(tr("Memory"));
}
