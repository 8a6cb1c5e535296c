#include "dialogs/DialogPictures.h"

#include "dialogs/pictures/AboutPictures.h"
#include "widgets/look/Fonts.h"

#include <QPainter>

#include <functional>

namespace {

// The bytes stay where the program holds them; the array only points there.
QByteArray Bytes(std::span<const unsigned char> bytes) {
  return QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()),
                                 static_cast<qsizetype>(bytes.size()));
}

QImage Drawn(QSize size, const std::function<void(QPainter&)>& draw) {
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  draw(painter);
  return image;
}

} // namespace

QByteArray dialogs::AboutBannerJpeg() {
  return Bytes(pictures::AboutBannerJpeg());
}

QByteArray dialogs::AboutPictureJpeg() {
  return Bytes(pictures::AboutPictureJpeg());
}

QImage dialogs::SubmitGlyph() {
  return Drawn({16, 16}, [](QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0, 128, 0), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPolyline(QPolygonF({{2.5, 8.5}, {6.5, 12.5}, {13.5, 3.5}}));
  });
}

QImage dialogs::CancelGlyph() {
  return Drawn({16, 16}, [](QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(200, 0, 0), 2.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
    p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
  });
}

QImage dialogs::HelpGlyph() {
  return Drawn({16, 16}, [](QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 80, 150));
    p.drawEllipse(QRectF(1, 1, 14, 14));
    p.setPen(Qt::white);
    p.setFont(look::TypefaceFont(TTypeface::Arial, 12, true));
    p.drawText(QRect(0, 0, 16, 16), Qt::AlignCenter, QStringLiteral("?"));
  });
}

QImage dialogs::MultiplicationSign() {
  return Drawn({8, 8}, [](QPainter& p) {
    p.setPen(Qt::black);
    p.drawLine(1, 1, 6, 6);
    p.drawLine(6, 1, 1, 6);
  });
}
