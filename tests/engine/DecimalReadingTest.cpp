// The engine's own decimal reading against exact references: random texts
// through every path of the reader, and the exact ties at the edges of the
// denormal and the normal range, each also a hair below and above.

#include "engine/DecimalReading.h"
#include "engine/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

using namespace engine;

namespace {

struct ReadingRow {
  const char* text;
  ExtendedBits expected;
};

struct TieRow {
  const char* name;
  const char* digits;
  long long scale;
  ExtendedBits tie;
  ExtendedBits below;
  ExtendedBits above;
};

#include "DecimalReadingReference.inc"

// An infinity's bits, as the table writes the overflow.
constexpr ExtendedBits Overflow = {0x7FFF, 0x8000000000000000};

TEST(DecimalReading, RandomTextsRoundToNearest) {
  for (const ReadingRow& row : RandomTexts)
    EXPECT_EQ(ToBits(TextToNumber(row.text, '.')), row.expected) << row.text;
}

TEST(DecimalReading, TiesGoToEvenAndNeighboursToTheirSide) {
  for (const TieRow& row : Ties) {
    const std::string tie = row.digits;
    // A last digit 5 made 4 and followed by 9s is a hair below the tie.
    const std::string below = tie.substr(0, tie.size() - 1) + "4999";
    EXPECT_EQ(ToBits(DecimalToExtended(tie, row.scale)), row.tie) << row.name;
    EXPECT_EQ(ToBits(DecimalToExtended(below, row.scale - 3)), row.below) << row.name;
    EXPECT_EQ(ToBits(DecimalToExtended(tie + "0001", row.scale - 4)), row.above) << row.name;
  }
}

TEST(DecimalReading, TheEdgesOfTheRange) {
  struct Edge {
    const char* digits;
    long long scale;
    ExtendedBits expected;
  };
  const Edge edges[] = {
      {"7", 4924, ToBits(7e4924L)},
      {"1", -3, ToBits(0.001L)},
      {"118973149535723176502", 4912, ToBits(std::numeric_limits<Extended>::max())},
      {"118973149535723176509", 4912, Overflow}, // past the overflow's tie
      {"36451995318824746025", -4970, {0x0000, 0x0000000000000001}},
      {"1", -4952, {0x0000, 0x0000000000000000}},
      {"000", 99999, {0x0000, 0x0000000000000000}},
      {"0025", 0, ToBits(25.0L)},
  };
  for (const Edge& edge : edges)
    EXPECT_EQ(ToBits(DecimalToExtended(edge.digits, edge.scale)), edge.expected)
        << edge.digits << "e" << edge.scale;
}

} // namespace
