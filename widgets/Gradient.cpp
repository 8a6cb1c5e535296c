#include "widgets/Gradient.h"

#include <QPainter>

#include <deque>
#include <random>

namespace {

// Dithers the edge between band `band` and the one above it in the first
// columns, as soon as band `band` has been drawn.
void DitherEdge(QImage& image, const std::vector<widgets::GradientBand>& bands, std::size_t band,
                int tile, std::minstd_rand& random) {
  const int height = image.height();
  const int count = static_cast<int>(bands.size());
  const int pixels = height / (count - 1) + 1;
  const int columns = std::min(tile, image.width());
  const int edge = bands[band].FirstRow;
  for (int x = 0; x < columns; ++x) {
    for (int k = 0; k < pixels; ++k) {
      const int offset = k == 0 ? 0 : static_cast<int>(random() % static_cast<unsigned>(k));
      const int y = edge + offset;
      if (y < height) image.setPixel(x, y, bands[band - 1].Color);
    }
  }
}

} // namespace

std::vector<widgets::GradientBand> widgets::GradientBands(QColor from, QColor to, int height,
                                                          int bandCount) {
  std::vector<GradientBand> bands;
  for (const ui::TGradientBand& band :
       ui::GradientBands({from.red(), from.green(), from.blue()}, {to.red(), to.green(), to.blue()},
                         height, bandCount))
    bands.push_back({band.FirstRow, qRgb(band.Color.Red, band.Color.Green, band.Color.Blue)});
  return bands;
}

QImage widgets::BuildGradient(QSize size, QColor from, QColor to, TdxQuality quality, qreal ratio) {
  if (size.isEmpty()) return {};
  const QSize pixels(qRound(size.width() * ratio), qRound(size.height() * ratio));
  const int tile = qRound(16 * ratio);
  QImage image(pixels, QImage::Format_RGB32);
  image.fill(from.rgb());
  const auto bands = widgets::GradientBands(from, to, pixels.height(), ui::BandCount(quality));
  // Every band is filled down to the bottom and the next one overdraws it, so
  // dithered pixels that reach into a later band are covered by it again.
  std::minstd_rand random(1);
  for (std::size_t i = 0; i < bands.size(); ++i) {
    const int top = bands[i].FirstRow;
    for (int y = top; y < pixels.height(); ++y) {
      auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
      std::fill(line, line + pixels.width(), bands[i].Color);
    }
    if (quality == bqHigh && i > 0) DitherEdge(image, bands, i, tile, random);
  }
  if (quality == bqHigh && pixels.width() > tile) {
    const QImage first = image.copy(0, 0, tile, pixels.height());
    QPainter painter(&image);
    for (int x = tile; x < pixels.width(); x += tile)
      painter.drawImage(x, 0, first);
  }
  // Set last, so the tiles above are copied pixel for pixel.
  image.setDevicePixelRatio(ratio);
  return image;
}

QImage widgets::SharedGradient(QSize size, QColor from, QColor to, TdxQuality quality,
                               qreal ratio) {
  struct Kept {
    QSize size;
    QRgb from, to;
    TdxQuality quality;
    qreal ratio;
    QImage image;
  };
  static std::deque<Kept> kept;
  for (const Kept& k : kept)
    if (k.size == size && k.from == from.rgba() && k.to == to.rgba() && k.quality == quality &&
        k.ratio == ratio)
      return k.image;
  kept.push_back({size, from.rgba(), to.rgba(), quality, ratio,
                  widgets::BuildGradient(size, from, to, quality, ratio)});
  if (kept.size() > 32) kept.pop_front();
  return kept.back().image;
}
