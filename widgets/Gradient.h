#pragma once
// The vertical colour gradients of the push button: a run of horizontal bands
// from a first colour at the top to a second at the bottom, built once into
// an image and copied on every paint. The band arithmetic is kept apart from
// the image so that it can be checked on its own.

#include <QColor>
#include <QImage>
#include <QSize>

#include <cstdint>
#include <vector>

// How many bands a gradient has: bqLow 8, bqMiddle 16, bqHigh 64 (with
// dithered band edges).
enum TdxQuality : std::uint8_t { bqLow, bqMiddle, bqHigh };

namespace widgets {

int BandCount(TdxQuality quality);

// number * numerator / denominator, rounded to nearest with halves away from
// zero, the way the platform's MulDiv rounds; -1 for a zero denominator.
//   MulDiv(8, 23, 16) -> 12 (11.5)    MulDiv(7, 23, 16) -> 10 (10.06)
int MulDiv(int number, int numerator, int denominator);

struct GradientBand {
  int FirstRow; // the band covers FirstRow up to the next band's FirstRow
  QRgb Color;
};

// The n bands of a gradient `height` rows high. Band i starts at row
// MulDiv(i, height, n); each channel is from + round(i * (to - from) / (n - 1)).
//   GradientBands(white, black, 23, 16)[2] -> {3, rgb(221, 221, 221)}
// Bands of a gradient lower than n rows may start on the same row; the later
// one wins. n must be at least 2.
std::vector<GradientBand> GradientBands(QColor from, QColor to, int height, int bandCount);

// The gradient image of the given size; an empty size gives a null image.
// bqHigh scatters pixels of each band's colour into the top of the next band
// in the first 16 columns, from a fixed pseudo-random sequence so that every
// build gives the same picture, and repeats those columns across the width.
// For a screen of device-pixel ratio `ratio` the image has size * ratio
// pixels and that ratio, and the bands are laid over its pixel rows (16 *
// ratio dithered columns): at ratio 1 the rows are GradientBands' own, at 2
// the same gradient is drawn with twice the rows, sharp on that screen.
//   BuildGradient({40, 23}, from, to, bqMiddle, 2) -> 80 x 46 pixels, ratio 2,
//     band 2 from row MulDiv(2, 46, 16) = 6
QImage BuildGradient(QSize size, QColor from, QColor to, TdxQuality quality, qreal ratio = 1);

// BuildGradient's image, built once for every caller that asks for the same
// gradient: the keys of one size and colour group share one copy (a QImage
// is shared until it is written to). The last 32 gradients asked for are kept.
QImage SharedGradient(QSize size, QColor from, QColor to, TdxQuality quality, qreal ratio = 1);

} // namespace widgets
