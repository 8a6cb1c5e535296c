#include "engine/PastedNumber.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using namespace engine;
using enum PasteRefusal;

// A pasted text, read under a locale whose decimal separator is "." (C) or
// "," (de_DE): the number, or why nothing is pasted.
struct Row {
  const char* text;
  char decimal;
  Extended number; // when refusal is None
  PasteRefusal refusal = None;
};

TEST(PastedNumber, ReadsAsASpreadsheetDoes) {
  const Row rows[] = {
      // Both marks: the last is the decimal one.
      {"1,234.50", ',', 1234.5L},
      {"1,234.50", '.', 1234.5L},
      {"\xE2\x82\xAC 1.234,56", '.', 1234.56L}, // "€ 1.234,56"
      {"1.234.567,8", '.', 1234567.8L},
      // One mark more than once: grouping.
      {"1,234,567", ',', 1234567},
      {"1.234.567", '.', 1234567},
      // One mark once, not three digits after it: the decimal mark.
      {"3.14", ',', 3.14L},
      {"3,14", '.', 3.14L},
      {"1234.5", ',', 1234.5L},
      {"12.", '.', 12},
      {".5", ',', 0.5L},
      // Three digits after it: the locale decides, unless the digits before
      // cannot be a first group.
      {"1.234", '.', 1.234L},
      {"1.234", ',', 1234},
      {"1,234", '.', 1234},
      {"1,234", ',', 1.234L},
      {"0.123", ',', 0.123L},
      {"1234.567", ',', 1234.567L},
      // Spaces and apostrophes group, and leave the mark decimal.
      {"1 000 000", '.', 1000000},
      {"1\xC2\xA0"
       "234,567",
       '.', 1234.567L}, // a no-break space
      {"1\xE2\x80\xAF"
       "234\xE2\x80\xAF"
       "567",
       ',', 1234567}, // narrow no-break spaces
      {"1'234.5", ',', 1234.5L},
      {"1\xE2\x80\x99"
       "234",
       '.', 1234}, // a right single quotation mark
      // Signs, parentheses, currency, percent, blanks, exponent.
      {"$ -12.00", '.', -12},
      {"-$12", '.', -12},
      {"\xE2\x88\x92"
       "5",
       '.', -5}, // U+2212
      {"\xEF\xBC\x8D"
       "2.5",
       '.', -2.5L}, // U+FF0D
      {"+7", '.', 7},
      {"(12.50)", '.', -12.5L},
      {"( $1,234.50 )", ',', -1234.5L},
      {"12 \xE2\x82\xAC", ',', 12}, // "12 €"
      {"\xC2\xA3"
       "3",
       '.', 3}, // "£3"
      {"12%", '.', 12},
      {"  \t42\r\n", '.', 42},
      {"1.5E+20", '.', 1.5e20L},
      {"2,5e-3", '.', 0.0025L},
      {"1E0600", '.', 1e600L},
      {"12345678901234567890", '.', 12345678901234567890.0L},
      // Nothing pasted.
      {"12\n34", '.', 0, SeveralNumbers},
      {"12 34", '.', 0, SeveralNumbers},
      {"1,5; 2,5", ',', 0, SeveralNumbers},
      {"12\t-3", '.', 0, SeveralNumbers},
      {"", '.', 0, NoNumber},
      {"abc", '.', 0, NoNumber},
      {" \xE2\x82\xAC ", ',', 0, NoNumber},
      {"3-4", '.', 0, NotANumber},
      {"1e5e5", '.', 0, NotANumber},
      {"12 apples", '.', 0, NotANumber},
      {"1,23,456", '.', 0, NotANumber},
      {"1.234,5.6", '.', 0, NotANumber},
      {"1,,5", '.', 0, NotANumber},
      {"(-12)", '.', 0, NotANumber},
      {"(12", '.', 0, NotANumber},
      {"--5", '.', 0, NotANumber},
      {"5E", '.', 0, NotANumber},
      {"1 2345", '.', 0, SeveralNumbers},
      {"\xFF"
       "5",
       '.', 0, NotANumber},
      {"1E5000", '.', 0, OutOfRange},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string("\"") + row.text + "\" with '" + row.decimal + "'");
    const PastedNumber pasted = ReadPastedNumber(row.text, row.decimal);
    EXPECT_EQ(pasted.refusal, row.refusal);
    if (row.refusal == None) {
      ASSERT_TRUE(pasted.number.has_value());
      EXPECT_EQ(*pasted.number, row.number);
    } else {
      EXPECT_FALSE(pasted.number.has_value());
    }
  }
}

TEST(PastedNumber, EveryRefusalSaysWhy) {
  for (const PasteRefusal refusal : {NoNumber, SeveralNumbers, NotANumber, OutOfRange})
    EXPECT_TRUE(std::string(PasteRefusalText(refusal)).starts_with("Not pasted: "));
  EXPECT_STREQ(PasteRefusalText(SeveralNumbers), "Not pasted: several numbers");
}

} // namespace
