// Number text as it comes from outside (clipboard, settings file): cleaning
// keeps exactly the number characters, and a text that reads gives a finite
// number, the one glibc's strtold reads from the same text, whose 15-digit
// text reads back to within half a unit in its 15th digit and is then stable.

#include "engine/NumberText.h"
#include "tests/fuzz/FuzzSupport.h"

#include <cmath>
#include <cstdlib>
#include <string>

using namespace engine;

namespace {

bool IsNumberCharacter(char c, char separator) {
  return (c >= '0' && c <= '9') || c == '+' || c == '-' || c == 'E' || c == 'e' || c == separator;
}

void CheckCleaning(std::string_view text, const std::string& cleaned, char separator) {
  std::size_t kept = 0;
  for (const char c : text)
    kept += IsNumberCharacter(c, separator) ? 1 : 0;
  fuzz::Require(cleaned.size() == kept, "cleaning keeps every number character", cleaned);
  for (const char c : cleaned)
    fuzz::Require(IsNumberCharacter(c, separator), "cleaning keeps nothing else", cleaned);
  fuzz::Require(RemoveNonNumber(cleaned, separator) == cleaned, "cleaning twice changes nothing");
}

// The number glibc reads from the text, in the C locale's spelling.
Extended Strtold(std::string_view text, char separator) {
  std::string spelled(text);
  for (char& c : spelled)
    if (c == separator) c = '.';
  return std::strtold(spelled.c_str(), nullptr);
}

void CheckRoundTrip(Extended x, char separator) {
  const std::string text = NumberToText(x, separator);
  const std::optional<Extended> back = TryTextToNumber(text, separator);
  fuzz::Require(back.has_value(), "the 15-digit text reads", text);
  if ((ToBits(x).signExponent & 0x7FFF) == 0) {
    fuzz::Require(text == "0", "zero and denormals write as 0", text);
    return;
  }
  // Half a unit in the 15th digit, the 18-digit step before it and the
  // reading's own rounding, relative to the smallest number with that
  // leading digit.
  fuzz::Require(std::fabs(*back - x) <= std::fabs(x) * 5.01e-15L, "15 significant digits", text);
  fuzz::Require(std::signbit(*back) == std::signbit(x), "the sign survives", text);
  fuzz::Require(NumberToText(*back, separator) == text, "the 15-digit text is stable", text);
}

void CheckReading(std::string_view text, char separator) {
  const std::optional<Extended> number = TryTextToNumber(text, separator);
  try {
    const Extended thrown = TextToNumber(text, separator);
    fuzz::Require(number.has_value() && ToBits(thrown) == ToBits(*number),
                  "TextToNumber reads what TryTextToNumber reads");
  } catch (const EConvertError& error) {
    fuzz::Require(!number.has_value(), "TextToNumber fails where TryTextToNumber does");
    // what() is a C string: a NUL in the text ends the message there.
    const std::string message = "'" + std::string(text) + "' is not a valid floating point value";
    fuzz::Require(error.what() == message.substr(0, message.find('\0')),
                  "the conversion message holds the whole text");
  }
  if (!number) return;
  fuzz::Require(std::isfinite(*number), "a text that reads is a finite number");
  fuzz::Require(*number == Strtold(text, separator), "correctly rounded, as strtold reads it");
  CheckRoundTrip(*number, separator);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input input(data, size);
  const char separator = input.Choice(2) == 0 ? '.' : ',';
  const std::string_view text = input.Rest();
  const std::string cleaned = RemoveNonNumber(text, separator);
  CheckCleaning(text, cleaned, separator);
  CheckReading(text, separator);
  CheckReading(cleaned, separator);
  return 0;
}
