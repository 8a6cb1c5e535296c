#pragma once
// TSubmitNumber: what the number submit dialog decides, for every shell's
// dialog. It keeps the two parts the fields show, a mantissa and a power of
// ten, their composition (the working value) and the preview of it, which
// always groups digits. A field's new text is cleaned to the number
// alphabet; an edit after which the composition no longer reads is undone,
// and the preview keeps the last readable number.
//   Start("1.5E3")          -> mantissa "1.5", exponent "3", preview "1,500"
//   EditExponent("3x")      -> true, exponent "3" (the "x" vanishes)
//   EditExponent("5000")    -> false, exponent "3" (1.5E5000 does not read)

#include "engine/NumberText.h"

#include <string>
#include <string_view>

namespace ui {

class TSubmitNumber {
public:
  // Numbers are read and shown with the separators given.
  explicit TSubmitNumber(engine::NumberSeparators separators = {})
      : FSeparators(std::move(separators)) {}

  // The parts of the value, and its preview; EConvertError when the value
  // does not read, with the parts already taken.
  void Start(std::string_view value);
  // Before the first "E" or "e" and after it (SplitNumber).
  void SeparateNumber(std::string_view text);

  const std::string& Mantissa() const { return FMantissa; }
  const std::string& Exponent() const { return FExponent; }
  const std::string& WorkingValue() const { return FWorkingValue; }
  const std::string& Preview() const { return FPreview; }

  // A field's text after the user changed it: true when the composition
  // reads and the preview shows it, false when the edit is undone. The
  // field is then to show the part (Mantissa, Exponent).
  bool EditMantissa(std::string_view text) { return Edit(FMantissa, text); }
  bool EditExponent(std::string_view text) { return Edit(FExponent, text); }

private:
  bool Edit(std::string& part, std::string_view text);
  void Compose();

  engine::NumberSeparators FSeparators;
  std::string FMantissa, FExponent, FWorkingValue;
  std::string FPreview = "0";
};

} // namespace ui
