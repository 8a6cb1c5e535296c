#include "dialogs/DialogPictures.h"

#include "widgets/look/Fonts.h"

#include <QFile>
#include <QPainter>

#include <functional>

// Outside any namespace, as the resource system's initialiser asks; a
// static library's resources are registered only when something calls it.
static void RegisterDialogPictures() {
  Q_INIT_RESOURCE(dialogs);
}

namespace {

QByteArray Resource(const char* path) {
  static const bool registered = (RegisterDialogPictures(), true);
  (void)registered;
  QFile file(QString::fromLatin1(path));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll();
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
  return Resource(":/dialogs/AboutBanner.jpg");
}

QByteArray dialogs::AboutPictureJpeg() {
  return Resource(":/dialogs/AboutPicture.jpg");
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
