#include "widgets/Gradient.h"
#include "WidgetTestSupport.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace widgets;

namespace {

TEST(BuildGradient, LowGradientShowsTheLastOfBandsOnASharedRow) {
  const auto bands = GradientBands(Qt::black, Qt::white, 5, 16);
  const QImage image = BuildGradient({3, 5}, Qt::black, Qt::white, bqMiddle);
  // Row 0 is covered by bands 0 to 1 (MulDiv(2, 5, 16) = 1), so band 1 shows.
  EXPECT_EQ(Rgb(image.pixel(0, 0)), Rgb(bands[1].Color));
  EXPECT_EQ(Rgb(image.pixel(0, 4)), Rgb(bands[14].Color));
}

// Which band covers `row`: the last one starting at or above it.
std::size_t BandOfRow(const std::vector<GradientBand>& bands, int row) {
  std::size_t band = 0;
  for (std::size_t i = 0; i < bands.size(); ++i)
    if (bands[i].FirstRow <= row) band = i;
  return band;
}

TEST(BuildGradient, PlainQualitiesFillWholeRowsWithTheirBand) {
  for (const TdxQuality quality : {bqLow, bqMiddle}) {
    const QColor from(214, 207, 198), to(247, 243, 235);
    const QImage image = BuildGradient({40, 23}, from, to, quality);
    ASSERT_EQ(image.size(), QSize(40, 23));
    const auto bands = GradientBands(from, to, 23, ui::BandCount(quality));
    for (int y = 0; y < 23; ++y)
      for (int x = 0; x < 40; ++x)
        ASSERT_EQ(Rgb(image.pixel(x, y)), Rgb(bands[BandOfRow(bands, y)].Color))
            << "quality " << int(quality) << " at " << x << ", " << y;
  }
}

TEST(BuildGradient, HighQualityDithersBandEdgesInRepeatedTiles) {
  const QColor from(255, 243, 206), to(231, 150, 0);
  const QImage image = BuildGradient({70, 200}, from, to, bqHigh);
  const auto bands = GradientBands(from, to, 200, 64);
  int dithered = 0;
  for (int y = 0; y < 200; ++y) {
    const std::size_t band = BandOfRow(bands, y);
    for (int x = 0; x < 70; ++x) {
      const Rgb pixel = image.pixel(x, y);
      EXPECT_EQ(pixel, Rgb(image.pixel(x % 16, y))) << "tile at " << x << ", " << y;
      if (band > 0 && y == bands[band].FirstRow)
        EXPECT_EQ(pixel, Rgb(bands[band - 1].Color)) << "edge at " << x << ", " << y;
      else if (pixel != Rgb(bands[band].Color)) {
        // Within the 200 div 63 + 1 = 4 pixels per column, offsets below 3.
        EXPECT_EQ(pixel, Rgb(bands[band - 1].Color)) << x << ", " << y;
        EXPECT_LT(y - bands[band].FirstRow, 3) << x << ", " << y;
        ++dithered;
      }
    }
  }
  EXPECT_GT(dithered, 0);
  EXPECT_EQ(image, BuildGradient({70, 200}, from, to, bqHigh)) << "the same picture every time";
}

TEST(BuildGradient, AtRatioTwoTheBandsAreLaidOverTwiceTheRows) {
  for (const TdxQuality quality : {bqLow, bqMiddle}) {
    const QColor from(210, 232, 220), to(158, 205, 180);
    const QImage image = BuildGradient({40, 23}, from, to, quality, 2);
    ASSERT_EQ(image.size(), QSize(80, 46));
    EXPECT_EQ(image.devicePixelRatio(), 2);
    EXPECT_EQ(image.deviceIndependentSize(), QSizeF(40, 23));
    const auto bands = GradientBands(from, to, 46, ui::BandCount(quality));
    for (int y = 0; y < 46; ++y)
      for (int x = 0; x < 80; x += 7)
        ASSERT_EQ(Rgb(image.pixel(x, y)), Rgb(bands[BandOfRow(bands, y)].Color))
            << "quality " << int(quality) << " at " << x << ", " << y;
  }
}

TEST(BuildGradient, RatioOneIsThePlainGradient) {
  for (const TdxQuality quality : {bqLow, bqMiddle, bqHigh}) {
    const QImage plain = BuildGradient({70, 25}, Qt::white, Qt::blue, quality);
    EXPECT_EQ(BuildGradient({70, 25}, Qt::white, Qt::blue, quality, 1), plain);
    EXPECT_EQ(plain.devicePixelRatio(), 1);
  }
}

TEST(BuildGradient, AtRatioTwoHighQualityTilesAreTwiceAsWide) {
  const QImage image = BuildGradient({70, 100}, Qt::white, Qt::red, bqHigh, 2);
  ASSERT_EQ(image.size(), QSize(140, 200));
  for (int y = 0; y < 200; ++y)
    for (int x = 32; x < 140; ++x)
      ASSERT_EQ(Rgb(image.pixel(x, y)), Rgb(image.pixel(x % 32, y))) << x << ", " << y;
}

TEST(BuildGradient, EmptySizeGivesNoImage) {
  EXPECT_TRUE(BuildGradient({0, 23}, Qt::white, Qt::black, bqMiddle).isNull());
  EXPECT_TRUE(BuildGradient({-4, -4}, Qt::white, Qt::black, bqHigh).isNull());
}

// The keys of one size and colour group share one picture; any other
// gradient is a picture of its own, and the oldest of 33 is built afresh.
TEST(SharedGradient, OnePicturePerGradientAsBuilt) {
  const QColor from(255, 206, 207), to(255, 155, 157);
  const QImage first = SharedGradient({44, 23}, from, to, bqMiddle);
  EXPECT_EQ(first, BuildGradient({44, 23}, from, to, bqMiddle));
  EXPECT_EQ(SharedGradient({44, 23}, from, to, bqMiddle).constBits(), first.constBits());
  const QImage others[] = {
      SharedGradient({44, 24}, from, to, bqMiddle), SharedGradient({44, 23}, to, from, bqMiddle),
      SharedGradient({44, 23}, from, to, bqHigh), SharedGradient({44, 23}, from, to, bqMiddle, 2),
      SharedGradient({44, 23}, from, Qt::red, bqMiddle)};
  for (const QImage& other : others)
    EXPECT_NE(other.constBits(), first.constBits());
  for (int width = 1; width <= 32; ++width)
    SharedGradient({width, 5}, from, to, bqLow);
  EXPECT_NE(SharedGradient({44, 23}, from, to, bqMiddle).constBits(), first.constBits());
}

} // namespace
