#pragma once
// TFSubmitNumber: the modal dialog that takes a number as a mantissa and a
// power of ten. It starts from the setting Value, keeps the two parts and
// their composition (MantissaText + "E" + ExponentText, or the mantissa
// alone while the exponent is empty) and shows that live in a preview that
// always groups digits. An edit that would make the composition unreadable
// is undone at once; characters outside the number alphabet vanish as
// typed. Submit (or Enter) leaves the composition in the setting Value;
// Cancel, Esc and the close box leave the setting as it was.
//
// It opens with the mantissa selected in its field, so typing replaces it.
// The opener runs FormCreate once after construction, then shows the dialog
// modally and frees it: exec() returns mrOk for Submit, mrCancel for Cancel
// and Esc, 0 for the close box.

#include "engine/NumberText.h"
#include "ui/SubmitNumber.h"

#include <QDialog>

#include <string>
#include <string_view>

class QLabel;
class QLineEdit;
class TCVCalcIndicator;
class TdxButton;

class TFSubmitNumber : public QDialog {
  Q_OBJECT

public:
  // Numbers are read and shown with the separators given.
  explicit TFSubmitNumber(QWidget* owner, engine::NumberSeparators separators = {});

  // Splits the setting Value into the fields and the preview; makes the
  // dialog stay on top when the setting StayOnTop is on. A value that does
  // not read raises EConvertError from the preview.
  void FormCreate();

  // Before the first "E" or "e" and after it; the mark itself goes nowhere:
  //   "1234567890E+1234" -> "1234567890", "+1234"   "-1.5E-7" -> "-1.5", "-7"
  //   "0" -> "0", ""   "1E2e3" -> "1", "2e3"
  void SeparateNumber(std::string_view text);

  const std::string& MantissaText() const { return FNumber.Mantissa(); }
  const std::string& ExponentText() const { return FNumber.Exponent(); }
  const std::string& WorkingValue() const { return FNumber.WorkingValue(); }

  QLineEdit& EditMantissa() const { return *FEditMantissa; }
  QLineEdit& EditExponent() const { return *FEditExponent; }
  TCVCalcIndicator& PreviewIndicator() const { return *FPreviewIndicator; }
  TdxButton& Submit() const { return *FBtSubmit; }
  TdxButton& Cancel() const { return *FBtCancel; }
  TdxButton& Help() const { return *FBtHelp; }

private:
  void BuildButtons();
  void BuildPreview();
  void BuildInput();

  void EditMantissaChange();
  void EditExponentChange();
  // After the change rule (ui::TSubmitNumber) ran on a field: the preview
  // when the edit was taken, and the part written back to the field.
  void ShowEdit(QLineEdit& field, bool taken, const std::string& part);
  void btSubmitClick();
  void btCancelClick();

  ui::TSubmitNumber FNumber;

  TdxButton* FBtSubmit = nullptr;
  TdxButton* FBtCancel = nullptr;
  TdxButton* FBtHelp = nullptr;
  TCVCalcIndicator* FPreviewIndicator = nullptr;
  QLineEdit* FEditMantissa = nullptr;
  QLineEdit* FEditExponent = nullptr;
};
