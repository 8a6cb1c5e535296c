#include "engine/StoredNumber.h"

#include "engine/Calculator.h"
#include "engine/NumberText.h"

#include <gtest/gtest.h>

namespace {

using namespace engine;

// A stored value or memory, written under either kind of locale, reads as
// the same number under both, and is kept in the reading locale's form.
TEST(StoredNumber, ReadsTheSameInEveryLocale) {
  struct Row {
    const char* stored;
    char decimal; // of the locale that reads it
    const char* text;
    Extended number;
  } rows[] = {
      {"12,5", '.', "12.5", 12.5L},
      {"12,5", ',', "12,5", 12.5L},
      {"0,25", '.', "0.25", 0.25L},
      {"1234.5", ',', "1234,5", 1234.5L},
      {"1234.5", '.', "1234.5", 1234.5L},
      {"-1,5E20", '.', "-1.5E20", -1.5e20L},
      {"1234567890E+1234", ',', "1234567890E+1234", 1.23456789e1243L},
      {"0", ',', "0", 0},
      {",5", '.', ".5", 0.5L},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.stored) + " read with '" + row.decimal + "'");
    SetCurrentSeparators({row.decimal, row.decimal == '.' ? "," : "."});
    const std::string text = StoredNumberText(row.stored);
    EXPECT_EQ(text, row.text);
    TCVCalculator calculator;
    calculator.SetValue(text);
    EXPECT_EQ(calculator.Value(), row.text);
    EXPECT_EQ(calculator.Number(), row.number);
  }
  SetCurrentSeparators({});
}

// Several separators are no stored number of this program; the text is left
// for the engine's reading to judge.
TEST(StoredNumber, LeavesOtherTextsAlone) {
  EXPECT_EQ(StoredNumberText("1.234,5", '.'), "1.234,5");
  EXPECT_EQ(StoredNumberText("1,234,567", ','), "1,234,567");
  EXPECT_EQ(StoredNumberText("", '.'), "");
}

} // namespace
