#include "ui/Gradient.h"

#include <algorithm>
#include <cstdlib>

int ui::BandCount(TdxQuality quality) {
  switch (quality) {
  case bqLow: return 8;
  case bqMiddle: return 16;
  case bqHigh: return 64;
  }
  return 16;
}

int ui::MulDiv(int number, int numerator, int denominator) {
  if (denominator == 0) return -1;
  const long long product = static_cast<long long>(number) * numerator;
  const long long half = std::llabs(denominator) / 2;
  const bool negative = (product < 0) != (denominator < 0);
  const long long magnitude = (std::llabs(product) + half) / std::llabs(denominator);
  return static_cast<int>(negative ? -magnitude : magnitude);
}

namespace {

// first + band * (second - first) / (bandCount - 1), rounded to nearest. The
// steps divide by an odd count (7, 15, 63), so no step lands on a half and
// the rounding direction of ties never matters; integers keep it exact.
int Step(int first, int second, int band, int bandCount) {
  const int numerator = band * (second - first);
  const int denominator = bandCount - 1;
  const int magnitude = (std::abs(numerator) * 2 + denominator) / (2 * denominator);
  return first + (numerator < 0 ? -magnitude : magnitude);
}

} // namespace

std::vector<ui::TGradientBand> ui::GradientBands(TRgb from, TRgb to, int height, int bandCount) {
  std::vector<TGradientBand> bands;
  bands.reserve(std::size_t(std::max(bandCount, 0)));
  for (int i = 0; i < bandCount; ++i) {
    bands.push_back(
        {MulDiv(i, height, bandCount),
         {Step(from.Red, to.Red, i, bandCount), Step(from.Green, to.Green, i, bandCount),
          Step(from.Blue, to.Blue, i, bandCount)}});
  }
  return bands;
}
