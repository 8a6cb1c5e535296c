#include "display/format/DisplayFormat.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>

using namespace engine;
using namespace display;

namespace {

const NumberSeparators Point{'.', ","};
const NumberSeparators Comma{',', "."};
const NumberSeparators NoBreakSpace{'.', "\xC2\xA0"};
const NumberSeparators NoThousands{'.', ""};

// One text and its display with grouping on and off.
struct Shown {
  const char* text;
  const char* grouped;
  const char* plain;
};

void ExpectShown(const std::initializer_list<Shown>& table,
                 const NumberSeparators& separators = Point) {
  for (const Shown& row : table) {
    EXPECT_EQ(FormatDisplayText(row.text, true, separators), row.grouped) << row.text;
    EXPECT_EQ(FormatDisplayText(row.text, false, separators), row.plain) << row.text;
  }
}

// Texts whose display does not depend on grouping.
void ExpectSame(const std::initializer_list<std::pair<const char*, const char*>>& table,
                const NumberSeparators& separators = Point) {
  for (const auto& [text, shown] : table) {
    EXPECT_EQ(FormatDisplayText(text, true, separators), shown) << text;
    EXPECT_EQ(FormatDisplayText(text, false, separators), shown) << text;
  }
}

TEST(FormatDisplayText, ZeroStaysAsTypedOnlyWithASeparator) {
  ExpectSame({{"0", "0"},
              {"-0", "0"},
              {"00", "0"},
              {"+0", "0"},
              {"0E5", "0"},
              {"0.", "0."},
              {"0.000", "0.000"},
              {"-0.", "-0."},
              {".", "."}});
  ExpectSame({{"0,", "0,"}, {"0,00", "0,00"}, {"-0", "0"}}, Comma);
}

TEST(FormatDisplayText, GroupsIntegerDigitsInThrees) {
  ExpectShown({{"1234567.5", "1,234,567.5", "1234567.5"},
               {"123", "123", "123"},
               {"1234", "1,234", "1234"},
               {"100000", "100,000", "100000"},
               {"-1234", "-1,234", "-1234"},
               {"-999999.25", "-999,999.25", "-999999.25"},
               {"999999999999999", "999,999,999,999,999", "999999999999999"},
               {"999999999999999.95", "999,999,999,999,999.95", "999999999999999.95"}});
}

TEST(FormatDisplayText, KeepsTheDecimalsAsTyped) {
  ExpectSame({{"12.50", "12.50"},
              {"12.", "12"},
              {"07", "7"},
              {"-0.5", "-0.5"},
              {".5", "0.5"},
              {"+3.25", "3.25"},
              {"-7.", "-7"},
              {"0.0000000000000012", "0.0000000000000012"},
              {"1.000", "1.000"}});
}

TEST(FormatDisplayText, CutsLongTextsAt18CharactersWithRounding) {
  ExpectShown({{"0.1234567890123456789", "0.1234567890123457", "0.1234567890123457"},
               {"123456.78901234567890", "123,456.78901234568", "123456.78901234568"},
               {"-1234567890.123456789", "-1,234,567,890.123457", "-1234567890.123457"},
               // The sign takes a place too: 1.2E-15 keeps 15 decimals.
               {"-0.0000000000000012", "-0.000000000000001", "-0.000000000000001"},
               // Exact to 18 digits first (9.99999999999999995), then a 5 rounds up.
               {"9.99999999999999995", "10.0000000000000000", "10.0000000000000000"},
               // No decimals left when the separator lies past the cut; the
               // integer digits all stay.
               {"00000000000000000001234", "1,234", "1234"},
               {"0000000000000000001.5", "2", "2"},
               {"-000000000000000000099.5", "-100", "-100"}});
}

TEST(FormatDisplayText, ExponentFormAtAndBeyondTheBounds) {
  ExpectSame({{"1E15", "1.000000000000E+0015"},
              {"1000000000000000", "1.000000000000E+0015"},
              {"-1E15", "-1.000000000000E+0015"},
              {"0.0000000000000001", "1.000000000000E-0016"},
              {"0.000000000000001", "1.000000000000E-0015"}, // the bound itself
              {"-0.000000000000001", "-1.000000000000E-0015"},
              {"0.00000000000000099999999", "9.999999900000E-0016"},
              // Just above the lower bound: fixed, cut at 18 characters.
              {"0.0000000000000010000000001", "0.0000000000000010"},
              {"-123456789E-1234", "-1.234567890000E-1226"},
              {"1234567890E+1234", "1.234567890000E+1243"},
              {"1e20", "1.000000000000E+0020"},
              {"250000000000000000", "2.500000000000E+0017"}});
}

TEST(FormatDisplayText, ExponentFormRoundsTo13Digits) {
  ExpectSame({{"1.23456789012345E20", "1.234567890123E+0020"},
              {"1.2345678901235E20", "1.234567890124E+0020"},
              {"9.9999999999995E20", "1.000000000000E+0021"},
              {"-9.99999999999949E-20", "-9.999999999999E-0020"},
              {"1.18973149535723176502E4932", "1.189731495357E+4932"},
              {"4E-4951", "3.645199531882E-4951"}, // the smallest denormal
              {"1E-1000", "1.000000000000E-1000"}});
}

TEST(FormatDisplayText, ExponentPartInTheFixedRangeShowsFixed) {
  ExpectShown({{"1.5E3", "1,500", "1500"},
               {"2E3", "2,000", "2000"},
               {"1.5E10", "15,000,000,000", "15000000000"},
               {"1E14", "100,000,000,000,000", "100000000000000"},
               {"9.99999999999999E14", "999,999,999,999,999", "999999999999999"},
               {"123456789012345678E-5", "1,234,567,890,123.46", "1234567890123.46"},
               {"-2.5e-1", "-0.25", "-0.25"},
               {"12.5E0", "12.5", "12.5"},
               {"1.5E-6", "0.0000015", "0.0000015"},
               {"1E-6", "0.000001", "0.000001"},
               {"-1E-6", "-0.000001", "-0.000001"},
               {"1.23456789012345678E-10", "0.0000000001234568", "0.0000000001234568"},
               {"1.00000000000000001E-15", "0.000000000000001", "0.000000000000001"},
               {"2E20", "2.000000000000E+0020", "2.000000000000E+0020"}});
}

TEST(FormatDisplayText, LocaleSeparators) {
  ExpectShown({{"1234567,5", "1.234.567,5", "1234567,5"},
               {"1,5E3", "1.500", "1500"},
               {"0,1234567890123456789", "0,1234567890123457", "0,1234567890123457"},
               {"1E20", "1,000000000000E+0020", "1,000000000000E+0020"}},
              Comma);
  ExpectShown({{"1234567.5",
                "1\xC2\xA0"
                "234\xC2\xA0"
                "567.5",
                "1234567.5"},
               {"-1234",
                "-1\xC2\xA0"
                "234",
                "-1234"},
               {"999", "999", "999"}},
              NoBreakSpace);
  ExpectShown({{"1234567.5", "1234567.5", "1234567.5"}}, NoThousands);
}

TEST(FormatDisplayText, TextThatDoesNotReadFails) {
  for (const char* text : {"", "-", "E5", "+E", "1.2.3", "5-3", "1E5000", "--1"}) {
    try {
      FormatDisplayText(text, true, Point);
      ADD_FAILURE() << text << " was accepted";
    } catch (const EConvertError& error) {
      EXPECT_EQ(error.what(), "'" + std::string(text) + "' is not a valid floating point value");
    }
  }
  // The comma is no separator here, so it does not read either.
  EXPECT_THROW(FormatDisplayText("1,5", true, Point), EConvertError);
}

TEST(DisplayTextOf, CleansBeforeFormatting) {
  EXPECT_EQ(DisplayTextOf("1a2b3", true, Point), "123");
  EXPECT_EQ(DisplayTextOf("1 234,5", true, Comma), "1.234,5");
  EXPECT_EQ(DisplayTextOf("1,234,567.5", false, Point), "1234567.5");
  try {
    DisplayTextOf("abc", true, Point);
    ADD_FAILURE() << "abc was accepted";
  } catch (const EConvertError& error) {
    EXPECT_STREQ(error.what(), "'' is not a valid floating point value"); // the cleaned text
  }
}

} // namespace
