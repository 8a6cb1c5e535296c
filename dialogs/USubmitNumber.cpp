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
#include <exception>
#include <limits>

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

TFSubmitNumber::TFSubmitNumber(QWidget* owner) : QDialog(owner, dialogs::FixedDialogFlags) {
  dialogs::SetUpFixedDialog(*this, "FSubmitNumber", tr("Submit", "title"), {408, 226});
  // Where the dialog was placed, not centred on its owner.
  move(288, 196);
  // Made in their tab order: the buttons, then the preview, then the input.
  BuildButtons();
  BuildPreview();
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
  FPreviewIndicator->setAccessibleDescription(QStringLiteral("Preview"));
  // Grouped whatever the main window's setting says.
  FPreviewIndicator->SetThouSep(true);
}

void TFSubmitNumber::BuildInput() {
  auto* group = new QGroupBox(tr("Submit", "input group"), this);
  group->setObjectName("GroupBoxInput");
  group->setGeometry(4, 70, 400, 109);

  MakeLabel(group, "LabelMantissa", tr("Mantissa:"), {10, 44});
  FEditMantissa = MakeEdit(group, "EditMantissa", {8, 64, 231, 21});
  FEditMantissa->setAccessibleName(QStringLiteral("Mantissa"));
  auto* multiply = new QLabel(group);
  multiply->setObjectName("ImageMulty");
  multiply->setAccessibleName(QStringLiteral("times"));
  multiply->setPixmap(QPixmap::fromImage(dialogs::MultiplicationSign()));
  multiply->setGeometry(253, 70, 8, 8);
  QLabel* base = MakeLabel(group, "LabelBase", QStringLiteral("10"), {266, 64});
  base->setFont(look::TypefaceFont(TTypeface::Arial, 16, true));
  base->adjustSize();
  MakeLabel(group, "LabelExponent", tr("Exponent:"), {290, 22});
  FEditExponent = MakeEdit(group, "EditExponent", {290, 41, 89, 21});
  FEditExponent->setAccessibleName(QStringLiteral("Exponent"));

  // Every change of a field's text, the dialog's own rewrites included.
  connect(FEditMantissa, &QLineEdit::textChanged, this, [this] { EditMantissaChange(); });
  connect(FEditExponent, &QLineEdit::textChanged, this, [this] { EditExponentChange(); });
}

std::string TFSubmitNumber::RemoveNonNumber(std::string_view text) {
  return engine::RemoveNonNumber(text);
}

void TFSubmitNumber::SeparateNumber(std::string_view text) {
  FMantissaText.clear();
  FExponentText.clear();
  const std::size_t mark = text.find_first_of("Ee");
  FMantissaText = text.substr(0, mark);
  if (mark != std::string_view::npos) FExponentText = text.substr(mark + 1);
}

void TFSubmitNumber::FormCreate() {
  SeparateNumber(USet::Value);
  FEditMantissa->setText(QString::fromStdString(FMantissaText));
  FEditExponent->setText(QString::fromStdString(FExponentText));
  ComposeWorkingValue();
  FPreviewIndicator->SetText(FWorkingValue);
  if (USet::StayOnTop) platform::SetStayOnTop(*this, true);
  // Typing replaces the mantissa; Tab goes on to the exponent.
  FEditMantissa->setFocus(Qt::OtherFocusReason);
  FEditMantissa->selectAll();
}

// Without an exponent the mantissa alone, so the value stays a number text
// that reads back as it was stored.
void TFSubmitNumber::ComposeWorkingValue() {
  FWorkingValue = FExponentText.empty() ? FMantissaText : FMantissaText + "E" + FExponentText;
}

void TFSubmitNumber::EditMantissaChange() {
  EditChange(*FEditMantissa, FMantissaText);
}

void TFSubmitNumber::EditExponentChange() {
  EditChange(*FEditExponent, FExponentText);
}

void TFSubmitNumber::EditChange(QLineEdit& field, std::string& part) {
  const std::string old = part;
  try {
    part = RemoveNonNumber(field.text().toStdString());
    ComposeWorkingValue();
    FPreviewIndicator->SetText(FWorkingValue);
  } catch (const std::exception&) {
    // The preview refused the composition: the edit is undone without a
    // word, and the preview keeps the last readable number.
    part = RemoveNonNumber(old);
  }
  ComposeWorkingValue();

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
  USet::Value = FWorkingValue;
}

void TFSubmitNumber::btCancelClick() {
  done(mrCancel);
}
