#include "ui/WindowTexts.h"

#include <gtest/gtest.h>

using namespace ui;

namespace {

TEST(WindowTexts, TheValuePanelSignsEveryOperation) {
  const struct {
    TCalcOperation operation;
    const char* sign;
  } rows[] = {{coNone, " ="},        {coPlus, " +"},  {coMinus, " -"}, {coMulty, " \u00D7"},
              {coDivide, " \u00F7"}, {coPower, " ^"}, {coLog, " log"}};
  for (const auto& row : rows)
    EXPECT_EQ(OperationSign(row.operation), row.sign) << row.operation;
}

TEST(WindowTexts, TheErrorBoxEndsItsMessageWithAFullStop) {
  const struct {
    const char *message, *shown;
  } rows[] = {
      {"Overflow", "Overflow."},
      {"Negativ value", "Negativ value."},
      {"'1.' is not a valid floating point value", "'1.' is not a valid floating point value."},
      {"1.", "1."},   // "." itself sorts not after "."
      {"1-", "1-"},   // nor does "-"
      {"(x)", "(x)"}, // nor ")"
      {"", ""},
  };
  for (const auto& row : rows)
    EXPECT_EQ(ErrorBoxText(row.message), row.shown) << row.message;
}

TEST(WindowTexts, LongMessagesKeepTheirTwoEnds) {
  const std::string message =
      "'" + std::string(1'000'000, '7') + "' is not a valid floating point value";
  EXPECT_EQ(ErrorBoxText(message),
            message.substr(0, 120) + "\u2026" + message.substr(message.size() - 120) + ".");
  // Cut between characters, never inside one: "é" is two bytes.
  std::string accents;
  for (int i = 0; i < 400; ++i)
    accents += "\u00e9";
  EXPECT_EQ(ErrorBoxText(accents),
            std::string(accents, 0, 120) + "\u2026" + std::string(accents, 680) + ".");
  EXPECT_EQ(ErrorBoxText(std::string(300, 'x')), std::string(300, 'x') + ".");
}

TEST(WindowTexts, TheSubmitDialogsFieldsMakeANumberText) {
  const struct {
    const char *text, *mantissa, *exponent;
  } rows[] = {
      {"12.5E-3", "12.5", "-3"}, {"7", "7", ""}, {"1e+10", "1", "+10"},
      {"-0.5E", "-0.5", ""},     {"", "", ""},
  };
  for (const auto& row : rows) {
    const TNumberFields fields = SplitNumber(row.text);
    EXPECT_EQ(fields.Mantissa, row.mantissa) << row.text;
    EXPECT_EQ(fields.Exponent, row.exponent) << row.text;
  }
  EXPECT_EQ(JoinNumber("12.5", "-3"), "12.5E-3");
  EXPECT_EQ(JoinNumber("12.5", ""), "12.5"); // never "12.5E"
}

} // namespace
