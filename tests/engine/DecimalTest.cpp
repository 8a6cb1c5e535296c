#include "engine/Decimal.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <string_view>

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

// Whole numbers take a shortcut past the general conversion; they must come
// out as that conversion writes them: 18 digits, zeros kept, d.ddd...e+X.
TEST(Decimal, WholeNumbersComeOutAsTheGeneralConversionWritesThem) {
  for (const Extended x :
       {0.0L, -0.0L, 1.0L, -7.0L, 10.0L, 1234.0L, 4294967296.0L, 9007199254740993.0L,
        123456789012345678.0L, 1e17L, 1e18L - 1, 1e18L, -1e18L - 1024, 0.5L, 1e18L - 0.5L}) {
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(x),
                                   std::chars_format::scientific, 17)
                         .ptr;
    const std::string_view text(buffer, end);
    const std::size_t e = text.find('e');
    const Decimal d = ToDecimal18(x);
    EXPECT_EQ(d.digits, std::string(1, text[0]) + std::string(text.substr(2, e - 2))) << text;
    EXPECT_EQ(d.exponent, std::stoi(std::string(text.substr(e + 1))) + 1) << text;
    EXPECT_EQ(d.negative, std::signbit(x)) << text;
  }
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
