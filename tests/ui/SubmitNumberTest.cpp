#include "ui/SubmitNumber.h"

#include <gtest/gtest.h>

using namespace ui;

namespace {

TEST(SubmitNumber, StartSplitsTheValueAndPreviewsItGrouped) {
  struct Row {
    const char* value;
    const char* mantissa;
    const char* exponent;
    const char* preview;
  };
  const Row rows[] = {
      {"1.5E3", "1.5", "3", "1,500"},
      {"1234567", "1234567", "", "1,234,567"},
      {"-2e-3", "-2", "-3", "-0.002"},
      {"0", "0", "", "0"},
  };
  for (const Row& row : rows) {
    TSubmitNumber number;
    number.Start(row.value);
    EXPECT_EQ(number.Mantissa(), row.mantissa) << row.value;
    EXPECT_EQ(number.Exponent(), row.exponent) << row.value;
    EXPECT_EQ(number.Preview(), row.preview) << row.value;
  }
}

TEST(SubmitNumber, AValueThatDoesNotReadFailsWithItsPartsTaken) {
  TSubmitNumber number;
  EXPECT_THROW(number.Start("1E99999"), EConvertError);
  EXPECT_EQ(number.Mantissa(), "1");
  EXPECT_EQ(number.Exponent(), "99999");
}

// Each row edits the field of a number started from 1.5E3.
TEST(SubmitNumber, AnEditIsCleanedOrUndone) {
  struct Row {
    bool exponent; // which field
    const char* typed;
    bool taken;
    const char* part;
    const char* working;
    const char* preview;
  };
  const Row rows[] = {
      {true, "2", true, "2", "1.5E2", "150"},
      {true, "3x", true, "3", "1.5E3", "1,500"},
      {true, "5000", false, "3", "1.5E3", "1,500"}, // 1.5E5000 does not read
      {true, "", true, "", "1.5", "1.5"},
      {false, "2a5", true, "25", "25E3", "25,000"},
      {false, "1.2.3", false, "1.5", "1.5E3", "1,500"},
      {false, "", false, "1.5", "1.5E3", "1,500"}, // "E3" alone does not read
  };
  for (const Row& row : rows) {
    TSubmitNumber number;
    number.Start("1.5E3");
    const bool taken =
        row.exponent ? number.EditExponent(row.typed) : number.EditMantissa(row.typed);
    EXPECT_EQ(taken, row.taken) << row.typed;
    EXPECT_EQ(row.exponent ? number.Exponent() : number.Mantissa(), row.part) << row.typed;
    EXPECT_EQ(number.WorkingValue(), row.working) << row.typed;
    EXPECT_EQ(number.Preview(), row.preview) << row.typed;
  }
}

TEST(SubmitNumber, TheLocalesSeparatorsReadAndShow) {
  TSubmitNumber number(engine::SeparatorsFrom(",", "."));
  number.Start("1234,5");
  EXPECT_EQ(number.Preview(), "1.234,5");
  EXPECT_TRUE(number.EditMantissa("2.000,25"));
  EXPECT_EQ(number.Mantissa(), "2000,25");
  EXPECT_EQ(number.Preview(), "2.000,25");
}

} // namespace
