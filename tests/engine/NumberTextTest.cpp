#include "engine/NumberText.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <tuple>

using namespace engine;

namespace {

struct ToText {
  Extended number;
  const char* text;
};

void ExpectTexts(const std::initializer_list<ToText>& table, char separator = '.') {
  for (const auto& row : table)
    EXPECT_EQ(NumberToText(row.number, separator), row.text) << static_cast<double>(row.number);
}

TEST(NumberToText, ZeroNegativeZeroAndDenormals) {
  ExpectTexts({{0.0L, "0"},
               {-0.0L, "0"},
               {FromBits(0x0000, 0x4000000000000000), "0"},
               {FromBits(0x8000, 0x0000000000000001), "0"}});
}

TEST(NumberToText, InfinityAndNaN) {
  const Extended infinity = std::numeric_limits<Extended>::infinity();
  ExpectTexts({{infinity, "INF"},
               {-infinity, "-INF"},
               {std::numeric_limits<Extended>::quiet_NaN(), "NAN"},
               {-std::numeric_limits<Extended>::quiet_NaN(), "NAN"}});
}

TEST(NumberToText, FixedAndScientificSwitch) {
  ExpectTexts({{1234.5L, "1234.5"},
               {0.0001L, "0.0001"},
               {0.00001L, "1E-5"},
               {999999999999999.0L, "999999999999999"},
               {1e15L, "1E15"},
               {1.5e-7L, "1.5E-7"},
               {-2.5L, "-2.5"},
               {100.0L, "100"},
               {0.00012L, "0.00012"},
               {1e-3L, "0.001"},
               {123456789012345.0L, "123456789012345"},
               {1.23456789012345678e17L, "1.23456789012346E17"},
               {1e100L, "1E100"},
               {-3.25e-100L, "-3.25E-100"},
               {1.18973149535723176502e4932L, "1.18973149535723E4932"}});
}

TEST(NumberToText, RoundsAt15DigitsWithFiveUp) {
  ExpectTexts({{1.0L / 3, "0.333333333333333"},
               {2.0L / 3, "0.666666666666667"},
               {9.999999999999995L, "10"},
               {9.999999999999994L, "9.99999999999999"},
               {0.1L, "0.1"},
               {1e15L - 0.5L, "1E15"},
               {999999999999999.4L, "999999999999999"}});
}

TEST(NumberToText, RoundsTo18DigitsFirstWithTiesToEven) {
  // 1e18 + 5 and 1e18 + 15 are exact in Extended: ties at the 19th digit.
  // Rounding straight to 15 digits would give the same text; the 18-digit
  // step matters where it carries into the 16th digit.
  ExpectTexts({{1000000000000000005.0L, "1E18"},
               {1000000000000000015.0L, "1E18"},
               // 1.000000000000004999... rounds at 18 digits to
               // 1.00000000000000500, which then rounds up at 15.
               {1.0000000000000049999L, "1.00000000000001"},
               {1.0000000000000049L, "1"}});
}

TEST(NumberToText, UsesTheGivenDecimalSeparator) {
  ExpectTexts({{1234.5L, "1234,5"}, {1.5e-7L, "1,5E-7"}, {0.25L, "0,25"}}, ',');
}

struct FromText {
  const char* text;
  Extended number;
};

TEST(TextToNumber, ReadsTheGrammar) {
  const FromText table[] = {
      {"0", 0},
      {"1234.5", 1234.5L},
      {"  -7  ", -7},
      {"+3", 3},
      {".", 0},
      {"5.", 5},
      {".25", 0.25L},
      {"2.5E", 2.5L},
      {"1E600", 1e600L},
      {"1e-5", 1e-5L},
      {"1E+3", 1000},
      {"0001", 1},
      {"1E0500", 1e500L},
      {"07", 7},
      {"-0.5e1", -5},
      {"1E-4950", 1e-4950L},
      {"1234567890E+1234", 1234567890e1234L},
      {"0.1", 0.1L}, // correctly rounded, as a literal is
      {"1.18973149535723176502e4932", std::numeric_limits<Extended>::max()},
  };
  for (const auto& row : table)
    EXPECT_EQ(TextToNumber(row.text, '.'), row.number) << row.text;
}

TEST(TextToNumber, UnderflowGivesZeroOrDenormal) {
  EXPECT_EQ(TextToNumber("1E-4999", '.'), 0);
  EXPECT_TRUE(std::signbit(TextToNumber("-1E-4999", '.')));
  EXPECT_EQ(ToBits(TextToNumber("3.6451995318824746025e-4951", '.')),
            (ExtendedBits{0x0000, 0x0000000000000001}));
}

TEST(TextToNumber, FailsWithTheWholeTextInTheMessage) {
  const char* failing[] = {"",     "-",      "+",       "E5",  "1E12345", "1.234,5",
                           "1..2", "1E5x",   "--1",     "1 2", "1E+-3",   "abc",
                           "INF",  "1E4933", "1e99999", "1,5", " ",       "1E-5000"};
  for (const char* text : failing) {
    try {
      TextToNumber(text, '.');
      ADD_FAILURE() << "read '" << text << "'";
    } catch (const EConvertError& error) {
      EXPECT_EQ(error.what(), "'" + std::string(text) + "' is not a valid floating point value");
    }
  }
}

TEST(TextToNumber, CommaSeparator) {
  EXPECT_EQ(TextToNumber(",", ','), 0);
  EXPECT_EQ(TextToNumber("2,5E", ','), 2.5L);
  EXPECT_EQ(TextToNumber("1234,5", ','), 1234.5L);
  EXPECT_THROW(TextToNumber("1.234,5", ','), EConvertError);
  EXPECT_THROW(TextToNumber("2.5", ','), EConvertError);
}

TEST(TextToNumber, LongTextsRoundCorrectly) {
  // 0.1 written with 20,000 more digits of 0.1 = 0.0999...: the cut at the
  // kept digits must not change the rounding.
  const std::string nines = "0." + std::string(30000, '9');
  EXPECT_EQ(TextToNumber(nines, '.'), 1);
  // The halfway point between 1 and its successor, then a far nonzero digit.
  const Extended one = 1;
  const Extended next = std::nextafter(one, 2.0L);
  std::string half = "1.000000000000000000054210108624275221700372640043497085571289062500";
  EXPECT_EQ(TextToNumber(half, '.'), one); // ties to even
  EXPECT_EQ(TextToNumber(half + std::string(20000, '0') + "1", '.'), next);
  EXPECT_EQ(TextToNumber(std::string(20000, '0') + "25", '.'), 25);
}

// glibc's strtold is correctly rounded: every path of the reader must agree
// with it to the bit, the exact short path as much as the long one.
TEST(TextToNumber, AgreesWithStrtoldToTheBit) {
  std::mt19937_64 random(7);
  for (int i = 0; i < 20000; ++i) {
    std::string digits;
    const int length = 1 + static_cast<int>(random() % 25);
    for (int d = 0; d < length; ++d)
      digits += static_cast<char>('0' + random() % 10);
    const auto point = static_cast<std::size_t>(random() % std::uint64_t(length + 1));
    const std::string text = digits.substr(0, point) + "." + digits.substr(point) + "E" +
                             std::to_string(static_cast<int>(random() % 81) - 40);
    EXPECT_EQ(ToBits(TextToNumber(text, '.')), ToBits(std::strtold(text.c_str(), nullptr))) << text;
  }
}

TEST(TextToNumber, RoundTripsThrough15Digits) {
  for (Extended x :
       {1.0L / 3, 2.0L / 7, 123456.789L, 6.02214076e23L, 1.602e-19L, -9.87654321e300L}) {
    const std::string text = NumberToText(x, '.');
    EXPECT_EQ(NumberToText(TextToNumber(text, '.'), '.'), text);
  }
}

TEST(RemoveNonNumber, KeepsOnlyNumberCharacters) {
  EXPECT_EQ(RemoveNonNumber("1.234,5", ','), "1234,5");
  EXPECT_EQ(RemoveNonNumber(" -7 ", ','), "-7");
  EXPECT_EQ(RemoveNonNumber("abc", ','), "");
  EXPECT_EQ(RemoveNonNumber("1,5e+3", ','), "1,5e+3");
  EXPECT_EQ(RemoveNonNumber("1\xC2\xA0"
                            "234.5\xC3\x89",
                            '.'),
            "1234.5");
  EXPECT_EQ(RemoveNonNumber(std::string("1\0002", 3), '.'), "12");
}

TEST(Separators, FallBackWhereTheLocaleGivesNone) {
  const NumberSeparators plain = SeparatorsFrom("", "");
  EXPECT_EQ(plain.decimal, '.');
  EXPECT_EQ(plain.thousands, ",");
  const NumberSeparators german = SeparatorsFrom(",", ".");
  EXPECT_EQ(german.decimal, ',');
  EXPECT_EQ(german.thousands, ".");
  const NumberSeparators french = SeparatorsFrom(",", "\xE2\x80\xAF");
  EXPECT_EQ(french.thousands, "\xE2\x80\xAF");
  EXPECT_EQ(SeparatorsFrom("\xD9\xAB", "").decimal, '.');
  // A thousands separator that is the decimal separator groups nothing.
  for (const auto& [decimal, thousands, kept] :
       {std::tuple{",", "", ""}, {",", ",", ""}, {".", ".", ""}, {"", ".", ""}, {".", ",", ","}})
    EXPECT_EQ(SeparatorsFrom(decimal, thousands).thousands, kept)
        << "decimal " << decimal << ", thousands " << thousands;
}

} // namespace
