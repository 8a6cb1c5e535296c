#pragma once
// The vertical colour gradients of the push button, built once into an image
// from ui/Gradient.h's bands and copied on every paint.

#include "ui/Gradient.h"

#include <QColor>
#include <QImage>
#include <QSize>

#include <vector>

namespace widgets {

// The bands of ui::GradientBands in the toolkit's colours.
struct GradientBand {
  int FirstRow; // the band covers FirstRow up to the next band's FirstRow
  QRgb Color;
};
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
