#include "ui/Gradient.h"

#include <gtest/gtest.h>

#include <ostream>
#include <set>

namespace ui {
std::ostream& operator<<(std::ostream& out, const TRgb& color) {
  return out << "rgb(" << color.Red << ", " << color.Green << ", " << color.Blue << ")";
}
} // namespace ui

using namespace ui;

namespace {

struct MulDivCase {
  int number, numerator, denominator, expected;
};

TEST(MulDiv, RoundsToNearestWithHalvesAwayFromZero) {
  const MulDivCase cases[] = {
      {7, 23, 16, 10},  // 10.06
      {8, 23, 16, 12},  // 11.5 rounds up
      {2, 23, 16, 3},   // 2.875
      {1, 1, 2, 1},     // 0.5
      {-1, 1, 2, -1},   // -0.5 rounds away from zero
      {-3, 23, 16, -4}, // -4.31
      {5, 7, -2, -18},  // -17.5
      {5, 7, 0, -1},    // no quotient
  };
  for (const auto& c : cases)
    EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.expected)
        << c.number << " * " << c.numerator << " / " << c.denominator;
}

// The face of a 25-pixel button at bqMiddle, default colours; worked out by
// hand from the rounding rules, not by this code.
TEST(GradientBands, MiddleQualityFaceOf23Rows) {
  const int rows[16] = {0, 1, 3, 4, 6, 7, 9, 10, 12, 13, 14, 16, 17, 19, 20, 22};
  const TRgb colors[16] = {{255, 255, 255}, {254, 254, 253}, {253, 252, 252}, {252, 251, 250},
                           {251, 250, 249}, {250, 248, 247}, {249, 247, 245}, {248, 246, 244},
                           {246, 244, 242}, {245, 243, 241}, {244, 242, 239}, {243, 240, 237},
                           {242, 239, 236}, {241, 238, 234}, {240, 236, 233}, {239, 235, 231}};
  const auto bands = GradientBands({255, 255, 255}, {239, 235, 231}, 23, 16);
  ASSERT_EQ(bands.size(), 16u);
  for (std::size_t i = 0; i < 16; ++i) {
    EXPECT_EQ(bands[i].FirstRow, rows[i]) << "band " << i;
    EXPECT_EQ(bands[i].Color, colors[i]) << "band " << i;
  }
}

TEST(GradientBands, RisingAndFallingChannelsReachBothEnds) {
  const auto bands = GradientBands({10, 200, 90}, {250, 0, 90}, 100, 8);
  EXPECT_EQ(bands.front().Color, (TRgb{10, 200, 90}));
  EXPECT_EQ(bands.back().Color, (TRgb{250, 0, 90}));
  // 240 / 7 and -200 / 7 per band: band 3 is 10 + 103, 200 - 86.
  EXPECT_EQ(bands[3].Color, (TRgb{113, 114, 90}));
}

TEST(GradientBands, LowGradientStacksBandsOnSharedRows) {
  // Five rows for sixteen bands: several bands start on one row and only the
  // last of them shows.
  const auto bands = GradientBands({0, 0, 0}, {255, 255, 255}, 5, 16);
  std::set<int> rows;
  for (const auto& band : bands)
    rows.insert(band.FirstRow);
  EXPECT_EQ(rows, (std::set<int>{0, 1, 2, 3, 4, 5}));
}

} // namespace
