#include "engine/Decimal.h"

#include <gtest/gtest.h>

using namespace engine;

namespace {

Decimal Of(const char* digits, int exponent) {
  return {false, digits, exponent};
}

TEST(Decimal, RoundedToCountsSignificantDigitsAndCarries) {
  const struct {
    Decimal d;
    int count;
    const char* digits;
    int exponent;
  } rows[] = {
      {Of("123456", 3), 4, "1235", 3}, {Of("123446", 3), 4, "1234", 3}, {Of("9996", 1), 3, "1", 2},
      {Of("4", 0), 0, "", 0},          {Of("5", 0), 0, "1", 1},         {Of("123", 2), -1, "", 2},
      {Of("12", 2), 5, "12", 2},       {Of("1995", 0), 3, "200", 0},
  };
  for (const auto& row : rows) {
    const Decimal r = RoundedTo(row.d, row.count);
    EXPECT_EQ(r.digits, row.digits) << row.d.digits << " to " << row.count;
    EXPECT_EQ(r.exponent, row.exponent) << row.d.digits << " to " << row.count;
  }
  EXPECT_EQ(GeneralDigits(ToDecimal18(2.0L / 3)).digits, "666666666666667");
  EXPECT_EQ(GeneralDigits(Of("999999999999999500", 1)).digits, "1");
  EXPECT_EQ(GeneralDigits(Of("999999999999999500", 1)).exponent, 2);
}

TEST(Decimal, FixedDigitsPlaceTheDigitsWithoutRounding) {
  const std::string comma = ",";
  EXPECT_EQ(FixedDigits(Of("125", 2), 1, '.'), "12.5");
  EXPECT_EQ(FixedDigits(Of("125", 2), 0, '.'), "12");
  EXPECT_EQ(FixedDigits(Of("5", -3), 4, ','), "0,0005");
  EXPECT_EQ(FixedDigits(Of("1234567", 7), 0, '.', &comma), "1,234,567");
  EXPECT_EQ(FixedDigits(Of("1234567", 9), 2, '.', &comma), "123,456,700.00");
  EXPECT_EQ(FixedDigits(Of("", 0), 2, '.'), "0.00");
  EXPECT_EQ(FixedNotation({true, "15", -5}, '.'), "-0.0000015");
  EXPECT_EQ(FixedNotation(Of("15", 4), '.'), "1500");
}

} // namespace
