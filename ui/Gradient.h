#pragma once
// The vertical colour gradients of the push button as bands: a run of
// horizontal stripes from a first colour at the top to a second at the
// bottom. Each shell fills the bands its own way; the arithmetic is here once.

#include "ui/Color.h"

#include <cstdint>
#include <vector>

// How many bands a gradient has: bqLow 8, bqMiddle 16, bqHigh 64 (with
// dithered band edges).
enum TdxQuality : std::uint8_t { bqLow, bqMiddle, bqHigh };

namespace ui {

int BandCount(TdxQuality quality);

// number * numerator / denominator, rounded to nearest with halves away from
// zero, the way the platform's MulDiv rounds; -1 for a zero denominator.
//   MulDiv(8, 23, 16) -> 12 (11.5)    MulDiv(7, 23, 16) -> 10 (10.06)
int MulDiv(int number, int numerator, int denominator);

struct TGradientBand {
  int FirstRow; // the band covers FirstRow up to the next band's FirstRow
  TRgb Color;
};

// The n bands of a gradient `height` rows high. Band i starts at row
// MulDiv(i, height, n); each channel is from + round(i * (to - from) / (n - 1)).
//   GradientBands(white, black, 23, 16)[2] -> {3, rgb(221, 221, 221)}
// Bands of a gradient lower than n rows may start on the same row; the later
// one wins. n must be at least 2.
std::vector<TGradientBand> GradientBands(TRgb from, TRgb to, int height, int bandCount);

} // namespace ui
