// The main window's layout: the keypad with the value panel, the memory area
// with its panel. Positions are the stored layout's, in pixels, relative to
// the area that holds them.

#include "app/ErrorDisplay.h"
#include "app/Pictures.h"
#include "app/UCalc.h"
#include "display/CalcIndicator.h"
#include "widgets/DxButton.h"
#include "widgets/DxContainer.h"
#include "widgets/MxFlatPanel.h"
#include "widgets/look/Fonts.h"
#include "widgets/look/KeyColors.h"

namespace {

struct KeyLayout {
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
constexpr KeyLayout Buttons[] = {
    {"btClear",      u"C",    5,   35, 46, 25, TKeyGroup::Red,   caClear, "Clear"},
    {"btClearEntr",  u"CE",   54,  35, 46, 25, TKeyGroup::Red,   caClearEntr, "Clear entry"},
    {"btSignChange", u"+/-",  106, 35, 35, 25, TKeyGroup::Green, caSignChange, "Change sign"},
    {"btDivide",     u"/",    144, 35, 35, 25, TKeyGroup::Red,   caDivide, "Divide"},
    {"btMulty",      u"\u2217", 182, 35, 35, 25, TKeyGroup::Red, caMulty, "Multiply"}, // the Symbol asterisk
    {"btMinus",      u"-",    220, 35, 35, 25, TKeyGroup::Red,   caMinus, "Subtract", 13},
    {"btMemClear",   u"MC",   5,   62, 46, 25, TKeyGroup::Red,   caMemClear, "Memory clear"},
    {"btBackSpace",  u"BACK", 54,  62, 46, 25, TKeyGroup::Red,   caBackSpace, "Delete the last digit"},
    {"bt7",          u"7",    106, 62, 35, 25, TKeyGroup::Green, ca7, "Digit"},
    {"bt8",          u"8",    144, 62, 35, 25, TKeyGroup::Green, ca8, "Digit"},
    {"bt9",          u"9",    182, 62, 35, 25, TKeyGroup::Green, ca9, "Digit"},
    {"btPlus",       u"+",    220, 62, 35, 52, TKeyGroup::Red,   caPlus, "Add"},
    {"btMemRecall",  u"MR",   5,   89, 46, 25, TKeyGroup::Red,   caMemRecall, "Memory recall"},
    {"btPerCent",    u"%",    54,  89, 46, 25, TKeyGroup::Green, caPerCent, "Percent"},
    {"bt4",          u"4",    106, 89, 35, 25, TKeyGroup::Green, ca4, "Digit"},
    {"bt5",          u"5",    144, 89, 35, 25, TKeyGroup::Green, ca5, "Digit"},
    {"bt6",          u"6",    182, 89, 35, 25, TKeyGroup::Green, ca6, "Digit"},
    {"btMemMinus",   u"M-",   5,   116, 46, 25, TKeyGroup::Red,  caMemMinus, "Memory subtract"},
    {"btInverse",    u"1/x",  54,  116, 46, 25, TKeyGroup::Green, caInverse, "Reciprocal"},
    {"bt1",          u"1",    106, 116, 35, 25, TKeyGroup::Green, ca1, "Digit"},
    {"bt2",          u"2",    144, 116, 35, 25, TKeyGroup::Green, ca2, "Digit"},
    {"bt3",          u"3",    182, 116, 35, 25, TKeyGroup::Green, ca3, "Digit"},
    {"btEqual",      u"=",    220, 116, 35, 52, TKeyGroup::Red,  caEqual, "Equals"},
    {"btMemPlus",    u"M+",   5,   143, 46, 25, TKeyGroup::Red,  caMemPlus, "Memory add"},
    {"btSqrt",       u"",     54,  143, 46, 25, TKeyGroup::Green, caSqrt, "Square root"},
    {"bt0",          u"0",    106, 143, 73, 25, TKeyGroup::Green, ca0, "Digit"},
    {"btDecSep",     u".",    182, 143, 35, 25, TKeyGroup::Green, caDecSep, "Decimal separator", 19},
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

TCVCalcIndicator* MakeIndicator(TmxFlatPanel* panel, const engine::NumberSeparators& separators) {
  auto* indicator = new TCVCalcIndicator(panel->Client());
  indicator->SetSeparators(separators);
  indicator->setGeometry(46, 4, 198, 20);
  indicator->setFont(look::IndicatorFont());
  return indicator;
}

} // namespace

void TFCalc::BuildKeypad() {
  FKeypad = new TdxContainer(this);
  FKeypad->setGeometry(0, 20, 257, 171);
  FKeypad->setAccessibleName(tr("Keypad"));
  FPanelIndicator = MakePanel(FKeypad, QRect(5, 4, 250, 27), QStringLiteral(" ="),
                              look::TypefaceFont(TTypeface::MSSansSerif, 13, true));
  FPanelIndicator->setObjectName("PanelIndicator");
  FPanelIndicator->setAccessibleName(tr("Value"));
  FMainIndicator = MakeIndicator(FPanelIndicator, FCalculator.Separators());
  FMainIndicator->setObjectName("MainIndicator");
  FMainIndicator->setAccessibleDescription(tr("Value"));
  connect(FPanelIndicator, &TmxFlatPanel::OnClick, this,
          [this] { Run(&TFCalc::PanelIndicatorClick); });
  connect(FMainIndicator, &TCVCalcIndicator::OnClick, this,
          [this] { Run(&TFCalc::PanelIndicatorClick); });

  for (const KeyLayout& key : Buttons) {
    TdxButton* button = AddKey(*FKeypad, key.name, QRect(key.left, key.top, key.width, key.height),
                               QString::fromUtf16(key.caption), key.group, key.captionPixels);
    if (key.action == caSqrt) {
      button->SetGlyph(app::RadicalSign(devicePixelRatioF()));
      button->SetLayout(blGlyphRight);
      // It has no caption to read out, so what it does is its name.
      button->setAccessibleName(tr(key.description));
    } else {
      button->setAccessibleDescription(tr(key.description));
    }
    ConnectAction(*button, key.action);
  }
}

void TFCalc::ConnectAction(TdxButton& key, TCalcAction action) {
  connect(&key, &TdxButton::OnClick, this,
          [this, action] { app::Guarded(this, [this, action] { ButtonClick(action); }); });
}

// A key of the window: no tab stop, a bold caption, the group's colours.
TdxButton* TFCalc::AddKey(QWidget& parent, const char* name, QRect geometry, const QString& caption,
                          TKeyGroup group, int captionPixels) {
  auto* button = new TdxButton(&parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  button->SetTabStop(false);
  button->setFont(look::TypefaceFont(TTypeface::MSSansSerif, captionPixels, true));
  button->SetCaption(caption);
  look::ApplyKeyColors(*button, group);
  return button;
}

void TFCalc::BuildMemoryArea() {
  FMemoryArea = new TdxContainer(this);
  FMemoryArea->setGeometry(0, 191, 257, 31);
  FMemoryArea->setAccessibleName(tr("Memory"));
  FMemoryPanel = MakePanel(FMemoryArea, QRect(4, 2, 250, 27), tr(" Memory ="),
                           look::TypefaceFont(TTypeface::MSSansSerif, 11, false));
  FMemoryPanel->setObjectName("mxFlatPanel1");
  FMemoryPanel->setAccessibleName(tr("Memory"));
  FMemoryIndicator = MakeIndicator(FMemoryPanel, FCalculator.Separators());
  FMemoryIndicator->setObjectName("memoryIndicator");
  FMemoryIndicator->setAccessibleDescription(tr("Memory"));
}
