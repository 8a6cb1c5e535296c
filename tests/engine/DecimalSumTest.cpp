#include "engine/DecimalSum.h"

#include "engine/NumberText.h"
#include "math/CVMath.h"
#include "math/MathError.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <utility>

using namespace engine;

namespace {

Extended Read(const std::string& text) {
  return TextToNumber(text, '.');
}

// Sums of decimals that cancel come out as the Extended nearest the exact
// decimal result, bit for bit.
TEST(DecimalSum, CancellingDecimalsComeOutExact) {
  struct Row {
    const char *a, *b, *difference;
  } rows[] = {
      {"86251.76", "86250.82", "0.94"},
      {"1000000.01", "999999.99", "0.02"},
      {"19.99", "19.98", "0.01"},
      {"0.3", "0.1", "0.2"},
      {"1.1", "1", "0.1"},
      {"123456789.123", "123456789.12", "0.003"},
      {"-5.55", "-5.54", "-0.01"},
      {"0.1", "0.1", "0"},
      {"4.35", "4.3500000000000001", "-1e-16"},
      {"1e20", "99999999999999999000", "1000"},
      {"2.5e-300", "2.4e-300", "1e-301"},
      {"1.5e-4913", "1.4e-4913", "1e-4914"}, // the lowest quantum rounded, 1e-4930
  };
  for (const Row& row : rows) {
    const Extended a = Read(row.a), b = Read(row.b), expected = Read(row.difference);
    EXPECT_EQ(ToBits(DecimalSubtract(a, b)), ToBits(expected)) << row.a << " - " << row.b;
    EXPECT_EQ(ToBits(DecimalAdd(a, -b)), ToBits(expected)) << row.a << " + -" << row.b;
  }
  // Every pair of tenths from 0 to 3 shows its decimal difference, and
  // taking that difference away again leaves exactly nothing.
  const auto tenths = [](int n) {
    return (n < 0 ? "-" : "") + std::to_string(std::abs(n) / 10) + "." +
           std::to_string(std::abs(n) % 10);
  };
  for (int i = 0; i <= 30; ++i)
    for (int j = 0; j <= 30; ++j) {
      const Extended difference = DecimalSubtract(Read(tenths(i)), Read(tenths(j)));
      EXPECT_EQ(Read(NumberToText(difference, '.')), Read(tenths(i - j))) << i << " - " << j;
      EXPECT_EQ(ToBits(DecimalSubtract(difference, Read(tenths(i - j)))), ToBits(Extended(0)))
          << i << " - " << j << " tenths";
    }
}

// A result that does not cancel below the larger operand's leading digit is
// the plain operation's, bit for bit; so are overflows and their messages.
TEST(DecimalSum, NonCancellingSumsKeepEveryBit) {
  const char* pairs[][2] = {
      {"0.1", "0.2"},       {"1", "3e-20"},
      {"86251.76", "0.01"}, {"10.5", "-1.2"},
      {"9.5", "-0.6"},      {"1e4000", "1e3990"},
      {"-7.25", "-0.125"},  {"1e-4900", "3e-4910"},
      {"7", "-2.5"},        {"0.333333333333", "0.111"},
  };
  for (const auto& pair : pairs) {
    const Extended a = Read(pair[0]), b = Read(pair[1]);
    EXPECT_EQ(ToBits(DecimalAdd(a, b)), ToBits(CVMath::Add(a, b))) << pair[0] << " + " << pair[1];
    EXPECT_EQ(ToBits(DecimalSubtract(a, -b)), ToBits(CVMath::Subtract(a, -b)))
        << pair[0] << " - -" << pair[1];
  }
  const Extended third = CVMath::Divide(1, 3);
  EXPECT_EQ(ToBits(DecimalAdd(third, third)), ToBits(CVMath::Add(third, third)));
  EXPECT_EQ(ToBits(DecimalSubtract(1e10, third)), ToBits(CVMath::Subtract(1e10, third)));
  const Extended huge = Read("1e4932");
  EXPECT_THROW(DecimalAdd(huge, huge), EMathError);
  EXPECT_THROW(DecimalSubtract(huge, -huge), EMathError);
}

// Cancellation keeps the digits the operands carry: 1/3 less ten of its
// digits keeps eight of what follows, not the binary tail.
TEST(DecimalSum, CancellationKeepsTheCarriedDigits) {
  const Extended third = CVMath::Divide(1, 3);
  EXPECT_EQ(NumberToText(DecimalSubtract(third, Read("0.3333333333")), '.'), "3.3333333E-11");
  // Below a quantum of 1e-4930 the difference is left as Subtract gives it.
  for (const auto& [a, b] : {std::pair{"1e-4925", "9e-4926"}, {"1.5e-4914", "1.4e-4914"}})
    EXPECT_EQ(ToBits(DecimalSubtract(Read(a), Read(b))), ToBits(CVMath::Subtract(Read(a), Read(b))))
        << a << " - " << b;
}

} // namespace
