#pragma once
// Lines and points of whole pixels, as the platform draws its one-pixel pens:
// each pixel is filled as a 1 x 1 rectangle, so at a device-pixel ratio of 2
// it covers exactly the 2 x 2 device pixels under it. A pen of width 1 would
// be centred on the pixel's corner there and land half a pixel off.

#include <QColor>
#include <QPainter>
#include <QPoint>
#include <QRect>

namespace widgets {

// The pixels from `from` to `to`, both included; the line is horizontal or
// vertical.
inline void DrawPixelLine(QPainter& painter, QPoint from, QPoint to, const QColor& color) {
  painter.fillRect(QRect(from, to).normalized(), color);
}

inline void DrawPixel(QPainter& painter, QPoint at, const QColor& color) {
  painter.fillRect(QRect(at, QSize(1, 1)), color);
}

// The outline of `rect`, one pixel wide, inside it.
inline void DrawPixelRing(QPainter& painter, const QRect& rect, const QColor& color) {
  DrawPixelLine(painter, rect.topLeft(), rect.topRight(), color);
  DrawPixelLine(painter, rect.bottomLeft(), rect.bottomRight(), color);
  DrawPixelLine(painter, rect.topLeft(), rect.bottomLeft(), color);
  DrawPixelLine(painter, rect.topRight(), rect.bottomRight(), color);
}

} // namespace widgets
