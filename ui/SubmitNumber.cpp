#include "ui/SubmitNumber.h"

#include "display/format/DisplayFormat.h"
#include "ui/WindowTexts.h"

#include <exception>

void ui::TSubmitNumber::SeparateNumber(std::string_view text) {
  auto [mantissa, exponent] = SplitNumber(text);
  FMantissa = std::move(mantissa);
  FExponent = std::move(exponent);
}

void ui::TSubmitNumber::Start(std::string_view value) {
  SeparateNumber(value);
  Compose();
  FPreview = display::DisplayTextOf(FWorkingValue, true, FSeparators);
}

// The preview's formatting is the test of the composition, as it is for
// every number a display shows.
bool ui::TSubmitNumber::Edit(std::string& part, std::string_view text) {
  const std::string old = part;
  try {
    part = engine::RemoveNonNumber(text, FSeparators.decimal);
    Compose();
    FPreview = display::DisplayTextOf(FWorkingValue, true, FSeparators);
    return true;
  } catch (const std::exception&) {
    part = engine::RemoveNonNumber(old, FSeparators.decimal);
    Compose();
    return false;
  }
}

void ui::TSubmitNumber::Compose() {
  FWorkingValue = JoinNumber(FMantissa, FExponent);
}
