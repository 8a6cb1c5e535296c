// A pasted text, any bytes at all, under a "." or a "," locale: the reading
// gives a finite number or a reason, never both; a number's own text pastes
// back as that text; and a text that is one number in the one locale is one
// number in the other (unless it is out of range in one of them: the
// locale decides whether "1,234E4930" is 1.234E4930 or 1234E4930).

#include "engine/NumberText.h"
#include "engine/PastedNumber.h"
#include "tests/fuzz/FuzzSupport.h"

#include <cmath>
#include <string>

using namespace engine;

namespace {

void CheckOutcome(const PastedNumber& pasted, std::string_view text) {
  fuzz::Require(pasted.number.has_value() == (pasted.refusal == PasteRefusal::None),
                "a number or a reason, never both", text);
  if (pasted.number)
    fuzz::Require(std::isfinite(*pasted.number), "a finite number", text);
  else
    fuzz::Require(std::string(PasteRefusalText(pasted.refusal)).starts_with("Not pasted: "),
                  "every reason has its note", text);
}

void CheckOwnText(Extended x, char separator) {
  const std::string text = NumberToText(x, separator);
  const PastedNumber again = ReadPastedNumber(text, separator);
  fuzz::Require(again.number.has_value() && NumberToText(*again.number, separator) == text,
                "a number's own text pastes back as that text", text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input input(data, size);
  const std::string_view text = input.Rest();
  const PastedNumber point = ReadPastedNumber(text, '.');
  const PastedNumber comma = ReadPastedNumber(text, ',');
  CheckOutcome(point, text);
  CheckOutcome(comma, text);
  const bool outOfRange =
      point.refusal == PasteRefusal::OutOfRange || comma.refusal == PasteRefusal::OutOfRange;
  fuzz::Require(point.refusal == comma.refusal || outOfRange,
                "the locale decides only which number", text);
  if (point.number) CheckOwnText(*point.number, '.');
  if (comma.number) CheckOwnText(*comma.number, ',');
  return 0;
}
