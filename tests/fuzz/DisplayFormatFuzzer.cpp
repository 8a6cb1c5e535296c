// Display text of any text written to a number display, with both
// separators chosen by the fuzzer: it fails exactly when the cleaned text
// does not read; otherwise it is short, reads back close to the number,
// and groups its integer digits only when grouping is on.

#include "display/format/DisplayFormat.h"
#include "tests/fuzz/FuzzSupport.h"

#include <cmath>
#include <string>

using namespace engine;
using namespace display;

namespace {

const char* const kThousands[] = {",", ".", " ", "'", "\xC2\xA0", ""};

// The grouped integer digits: one to three, then groups of three.
bool GroupedInThrees(std::string_view digits, const std::string& separator) {
  std::size_t group = 0;
  bool first = true;
  while (true) {
    const std::size_t at = separator.empty() ? std::string_view::npos : digits.find(separator);
    group = at == std::string_view::npos ? digits.size() : at;
    if (group == 0 || group > 3 || (!first && group != 3)) return false;
    if (at == std::string_view::npos) return true;
    digits.remove_prefix(at + separator.size());
    first = false;
  }
}

void CheckExponentForm(const std::string& shown, Extended x, Extended back, char decimal) {
  const std::size_t e = shown.find('E');
  const std::size_t start = shown[0] == '-' ? 1 : 0;
  fuzz::Require(e == start + 14 && shown[start + 1] == decimal, "13 significant digits", shown);
  fuzz::Require(shown.size() >= e + 6 && (shown[e + 1] == '+' || shown[e + 1] == '-'),
                "a signed exponent of four digits or more", shown);
  fuzz::Require(std::fabs(back - x) <= std::fabs(x) * 5.01e-13L, "exponent form is close", shown);
}

void CheckFixedForm(const std::string& shown, Extended x, Extended back, bool fromExponent,
                    bool thouSep, const NumberSeparators& separators) {
  const std::size_t point = shown.find(separators.decimal);
  const int decimals = point == std::string::npos ? 0 : int(shown.size() - point - 1);
  fuzz::Require(decimals <= 18, "no more than 18 decimals", shown);
  // Texts with an exponent part show the 15 digits NumberToText keeps.
  const Extended digitsError = std::fabs(x) * (fromExponent ? 5.01e-15L : 6e-17L);
  fuzz::Require(std::fabs(back - x) <= 0.5000001L * std::pow(10.0L, -decimals) + digitsError,
                "fixed form is x rounded to its decimals", shown);
  const std::size_t start = shown[0] == '-' ? 1 : 0;
  const std::string_view integer = std::string_view(shown).substr(
      start, (point == std::string::npos ? shown.size() : point) - start);
  const std::string& thousands = separators.thousands;
  if (thouSep && !thousands.empty())
    fuzz::Require(GroupedInThrees(integer, thousands), "digits grouped in threes", shown);
  else if (!thouSep)
    fuzz::Require(thousands.empty() || integer.find(thousands) == std::string_view::npos,
                  "no grouping when it is off", shown);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input input(data, size);
  NumberSeparators separators;
  separators.decimal = input.Choice(2) == 0 ? '.' : ',';
  separators.thousands = kThousands[input.Choice(std::size(kThousands))];
  if (separators.thousands == std::string(1, separators.decimal)) separators.thousands = "'";
  const bool thouSep = input.Choice(2) == 0;
  const std::string_view text = input.Rest();

  const std::string cleaned = RemoveNonNumber(text, separators.decimal);
  const std::optional<Extended> number = TryTextToNumber(cleaned, separators.decimal);
  std::string shown;
  try {
    shown = DisplayTextOf(text, thouSep, separators);
  } catch (const EConvertError& error) {
    fuzz::Require(!number.has_value(), "only an unreadable text fails", cleaned);
    fuzz::Require(error.what() == "'" + cleaned + "' is not a valid floating point value",
                  "the message names the cleaned text");
    return 0;
  }
  fuzz::Require(number.has_value(), "an unreadable text fails", cleaned);
  const Extended x = *number;
  if (x == 0) {
    const bool typed = cleaned.find(separators.decimal) != std::string::npos;
    fuzz::Require(shown == (typed ? cleaned : "0"), "zero shows as typed or as 0", shown);
    return 0;
  }
  fuzz::Require(shown.size() <= 64, "a display text is short", shown);
  const std::optional<Extended> back =
      TryTextToNumber(RemoveNonNumber(shown, separators.decimal), separators.decimal);
  fuzz::Require(back.has_value(), "the display text reads back", shown);
  if (*back != 0) fuzz::Require(std::signbit(*back) == std::signbit(x), "the sign shows", shown);
  const Extended magnitude = std::fabs(x);
  if (magnitude <= 1e-15L || magnitude >= 1e15L)
    CheckExponentForm(shown, x, *back, separators.decimal);
  else
    CheckFixedForm(shown, x, *back, cleaned.find_first_of("Ee") != std::string::npos, thouSep,
                   separators);
  return 0;
}
