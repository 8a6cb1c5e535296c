// The main window's layout: the keypad with the value panel, the memory area
// with its panel. Positions are the stored layout's, in pixels, relative to
// the area that holds them.

#include "app/ErrorDisplay.h"
#include "app/Geometry.h"
#include "app/PasteNote.h"
#include "app/Pictures.h"
#include "app/UCalc.h"
#include "display/CalcIndicator.h"
#include "ui/KeyTable.h"
#include "widgets/DxButton.h"
#include "widgets/DxContainer.h"
#include "widgets/MxFlatPanel.h"
#include "widgets/look/Fonts.h"
#include "widgets/look/KeyColors.h"

namespace {

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
  indicator->setGeometry(app::Rect(ui::IndicatorPlace));
  indicator->setFont(look::IndicatorFont());
  return indicator;
}

} // namespace

void TFCalc::BuildKeypad() {
  FKeypad = new TdxContainer(this);
  FKeypad->setGeometry(app::Rect(ui::KeypadArea));
  FKeypad->setAccessibleName(tr("Keypad"));
  FPanelIndicator = MakePanel(FKeypad, app::Rect(ui::ValuePanel), QStringLiteral(" ="),
                              look::TypefaceFont(TTypeface::MSSansSerif, 13, true));
  FPanelIndicator->setObjectName("PanelIndicator");
  FPanelIndicator->setAccessibleName(tr("Value"));
  FMainIndicator = MakeIndicator(FPanelIndicator, FCalculator.Separators());
  FMainIndicator->setObjectName("MainIndicator");
  FMainIndicator->setAccessibleDescription(tr("Value"));
  // The first stop of Tab, and the focus when the window opens: a screen
  // reader speaks each new value of the focused display.
  FMainIndicator->setFocusPolicy(Qt::StrongFocus);
  FPasteNote = new app::PasteNote(*FPanelIndicator->Client());
  connect(FPanelIndicator, &TmxFlatPanel::OnClick, this,
          [this] { Run(&TFCalc::PanelIndicatorClick); });
  connect(FMainIndicator, &TCVCalcIndicator::OnClick, this,
          [this] { Run(&TFCalc::PanelIndicatorClick); });

  for (const ui::TKeyLayout& key : ui::KeypadKeys) {
    TdxButton* button = AddKey(*FKeypad, key.Name, app::Rect(key.Place),
                               QString::fromUtf8(key.Caption), key.Group, key.CaptionPixels);
    if (key.Action == caSqrt) {
      button->SetGlyph(app::RadicalSign(devicePixelRatioF()));
      button->SetLayout(blGlyphRight);
      // It has no caption to read out, so what it does is its name.
      button->setAccessibleName(tr(key.Description));
    } else {
      button->setAccessibleDescription(tr(key.Description));
    }
    ConnectKey(*button, key);
  }
}

// A key of the window: a tab stop, a bold caption, the group's colours.
TdxButton* TFCalc::AddKey(QWidget& parent, const char* name, QRect geometry, const QString& caption,
                          TKeyGroup group, int captionPixels) {
  auto* button = new TdxButton(&parent);
  button->setObjectName(name);
  button->setGeometry(geometry);
  button->setFont(look::TypefaceFont(TTypeface::MSSansSerif, captionPixels, true));
  button->SetCaption(caption);
  look::ApplyKeyColors(*button, group);
  return button;
}

void TFCalc::BuildMemoryArea() {
  FMemoryArea = new TdxContainer(this);
  FMemoryArea->setGeometry(app::Rect(ui::MemoryArea));
  FMemoryArea->setAccessibleName(tr("Memory"));
  FMemoryPanel = MakePanel(FMemoryArea, app::Rect(ui::MemoryPanel), tr(" Memory ="),
                           look::TypefaceFont(TTypeface::MSSansSerif, 11, false));
  FMemoryPanel->setObjectName("mxFlatPanel1");
  FMemoryPanel->setAccessibleName(tr("Memory"));
  FMemoryIndicator = MakeIndicator(FMemoryPanel, FCalculator.Separators());
  FMemoryIndicator->setObjectName("memoryIndicator");
  FMemoryIndicator->setAccessibleDescription(tr("Memory"));
}
