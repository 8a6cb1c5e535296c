#include "dialogs/USubmitNumber.h"

#include "dialogs/DialogPictures.h"
#include "dialogs/DialogWindow.h"
#include "display/CalcIndicator.h"
#include "engine/NumberText.h"
#include "platform/desktop/Desktop.h"
#include "settings/USet.h"
#include "widgets/DxButton.h"
#include "widgets/look/Fonts.h"
#include "widgets/look/KeyColors.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <limits>
#include <utility>

namespace {

TdxButton* MakeButton(QWidget* parent, const char* name, const QString& caption, int left,
                      const QImage& glyph, int modalResult) {
  auto* button = new TdxButton(parent);
  button->setObjectName(name);
  button->setGeometry(left, 193, 65, 25);
  button->SetCaption(caption);
  button->SetGlyph(glyph);
  button->SetModalResult(modalResult);
  return button;
}

// The buttons side by side, ending at the dialog's right margin, each at
// least as wide as laid out and wider where its caption and glyph need it in
// the user's language, with room for the bevel on both sides.
void FitButtons(std::initializer_list<TdxButton*> buttons) {
  constexpr int Right = 403, Gap = 6, Bevel = 2;
  int right = Right;
  for (auto button = std::rbegin(buttons); button != std::rend(buttons); ++button) {
    const QString caption = (*button)->Caption();
    const int glyph = (*button)->Glyph().deviceIndependentSize().toSize().width();
    const int needed = (*button)->fontMetrics().horizontalAdvance(caption) + glyph +
                       (*button)->Spacing() + 2 * Bevel;
    const int width = std::max((*button)->width(), needed);
    (*button)->setGeometry(right - width, (*button)->y(), width, (*button)->height());
    right -= width + Gap;
  }
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& caption, QPoint place) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->move(place);
  label->adjustSize();
  return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, QRect geometry) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  edit->setGeometry(geometry);
  edit->setFont(look::TypefaceFont(TTypeface::MSSansSerif, 11, true));
  edit->setMaxLength(std::numeric_limits<int>::max());
  return edit;
}

} // namespace

TFSubmitNumber::TFSubmitNumber(QWidget* owner, engine::NumberSeparators separators)
    : QDialog(owner, dialogs::FixedDialogFlags), FNumber(separators) {
  dialogs::SetUpFixedDialog(*this, "FSubmitNumber", tr("Submit", "title"), {408, 226});
  // Where the dialog was placed, not centred on its owner.
  move(288, 196);
  // Made in their tab order: the buttons, then the preview, then the input.
  BuildButtons();
  BuildPreview();
  FPreviewIndicator->SetSeparators(std::move(separators));
  BuildInput();
}

void TFSubmitNumber::BuildButtons() {
  FBtSubmit =
      MakeButton(this, "btSubmit", tr("Submit", "button"), 196, dialogs::SubmitGlyph(), mrOk);
  look::ApplyKeyColors(*FBtSubmit, TKeyGroup::Green);
  // Enter in a field submits.
  FBtSubmit->SetDefault(true);
  connect(FBtSubmit, &TdxButton::OnClick, this, [this] { btSubmitClick(); });

  FBtCancel = MakeButton(this, "btCancel", tr("Cancel"), 267, dialogs::CancelGlyph(), mrCancel);
  look::ApplyKeyColors(*FBtCancel, TKeyGroup::Red);
  FBtCancel->SetCancel(true);
  connect(FBtCancel, &TdxButton::OnClick, this, [this] { btCancelClick(); });

  FBtHelp = MakeButton(this, "btHelp", tr("Help"), 338, dialogs::HelpGlyph(), mrNone);
  look::ApplyKeyColors(*FBtHelp, TKeyGroup::Help);
  FitButtons({FBtSubmit, FBtCancel, FBtHelp});
}

void TFSubmitNumber::BuildPreview() {
  auto* group = new QGroupBox(tr("Preview"), this);
  group->setObjectName("GroupBoxPreview");
  group->setGeometry(4, 6, 400, 54);

  auto* panel = new QFrame(group);
  panel->setObjectName("PanelPreview");
  panel->setGeometry(6, 18, 386, 26);
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  panel->setLineWidth(1);
  QPalette windowColor = panel->palette();
  windowColor.setColor(QPalette::Window, windowColor.color(QPalette::Base));
  panel->setPalette(windowColor);
  panel->setAutoFillBackground(true);

  FPreviewIndicator = new TCVCalcIndicator(panel);
  FPreviewIndicator->setObjectName("PreviewIndicator");
  FPreviewIndicator->setGeometry(101, 5, 277, 20);
  FPreviewIndicator->setFont(look::IndicatorFont());
  FPreviewIndicator->setAccessibleDescription(tr("Preview"));
  // Grouped whatever the main window's setting says.
  FPreviewIndicator->SetThouSep(true);
}

void TFSubmitNumber::BuildInput() {
  auto* group = new QGroupBox(tr("Submit", "input group"), this);
  group->setObjectName("GroupBoxInput");
  group->setGeometry(4, 70, 400, 109);

  MakeLabel(group, "LabelMantissa", tr("Mantissa:"), {10, 44});
  FEditMantissa = MakeEdit(group, "EditMantissa", {8, 64, 231, 21});
  FEditMantissa->setAccessibleName(tr("Mantissa"));
  auto* multiply = new QLabel(group);
  multiply->setObjectName("ImageMulty");
  multiply->setAccessibleName(tr("times"));
  multiply->setPixmap(QPixmap::fromImage(dialogs::MultiplicationSign()));
  multiply->setGeometry(253, 70, 8, 8);
  QLabel* base = MakeLabel(group, "LabelBase", QStringLiteral("10"), {266, 64});
  base->setFont(look::TypefaceFont(TTypeface::Arial, 16, true));
  base->adjustSize();
  MakeLabel(group, "LabelExponent", tr("Exponent:"), {290, 22});
  FEditExponent = MakeEdit(group, "EditExponent", {290, 41, 89, 21});
  FEditExponent->setAccessibleName(tr("Exponent"));

  // Every change of a field's text, the dialog's own rewrites included.
  connect(FEditMantissa, &QLineEdit::textChanged, this, [this] { EditMantissaChange(); });
  connect(FEditExponent, &QLineEdit::textChanged, this, [this] { EditExponentChange(); });
}

void TFSubmitNumber::SeparateNumber(std::string_view text) {
  FNumber.SeparateNumber(text);
}

void TFSubmitNumber::FormCreate() {
  FNumber.SeparateNumber(USet::Value);
  FEditMantissa->setText(QString::fromStdString(FNumber.Mantissa()));
  FEditExponent->setText(QString::fromStdString(FNumber.Exponent()));
  FNumber.Start(USet::Value);
  FPreviewIndicator->SetText(FNumber.WorkingValue());
  if (USet::StayOnTop) platform::SetStayOnTop(*this, true);
  // Typing replaces the mantissa; Tab goes on to the exponent.
  FEditMantissa->setFocus(Qt::OtherFocusReason);
  FEditMantissa->selectAll();
}

void TFSubmitNumber::EditMantissaChange() {
  const bool taken = FNumber.EditMantissa(FEditMantissa->text().toStdString());
  ShowEdit(*FEditMantissa, taken, FNumber.Mantissa());
}

void TFSubmitNumber::EditExponentChange() {
  const bool taken = FNumber.EditExponent(FEditExponent->text().toStdString());
  ShowEdit(*FEditExponent, taken, FNumber.Exponent());
}

// An edit that was not taken is undone without a word, and the preview
// keeps the last readable number.
void TFSubmitNumber::ShowEdit(QLineEdit& field, bool taken, const std::string& part) {
  if (taken) FPreviewIndicator->SetText(FNumber.WorkingValue());
  const QString text = QString::fromStdString(part);
  if (field.text() == text) return;
  // Rewriting moves the cursor to the end; it goes back to where the user
  // was typing, as far from the end as it was. The rewrite reports a change
  // again, and that run finds nothing left to correct.
  const qsizetype fromEnd = field.text().size() - field.cursorPosition();
  field.setText(text);
  field.setCursorPosition(
      static_cast<int>(std::clamp<qsizetype>(text.size() - fromEnd, 0, text.size())));
}

void TFSubmitNumber::btSubmitClick() {
  USet::Value = FNumber.WorkingValue();
}

void TFSubmitNumber::btCancelClick() {
  done(mrCancel);
}
