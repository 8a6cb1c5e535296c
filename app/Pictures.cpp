#include "app/Pictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

// Paints a picture designed on a 16 x 16 grid into any rectangle.
class VectorIconEngine : public QIconEngine {
public:
  using Draw = std::function<void(QPainter&)>;
  explicit VectorIconEngine(Draw draw) : FDraw(std::move(draw)) {}

  void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->translate(rect.topLeft());
    painter->scale(rect.width() / 16.0, rect.height() / 16.0);
    if (mode == QIcon::Disabled) painter->setOpacity(0.4);
    FDraw(*painter);
    painter->restore();
  }

  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return pixmap;
  }

  // The sizes offered where every size is rendered ahead of use: the X11
  // window icon property and the tray's. Without a list the toolkit renders
  // 16, 32, 64 and 128 pixels, 87 KB of property, all before the first frame;
  // window managers and trays show 16 to 48.
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
    return {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48)};
  }

  QIconEngine* clone() const override { return new VectorIconEngine(FDraw); }

private:
  Draw FDraw;
};

QIcon VectorIcon(VectorIconEngine::Draw draw) {
  return QIcon(new VectorIconEngine(std::move(draw)));
}

void DrawCalculator(QPainter& p) {
  p.setPen(QPen(QColor(40, 52, 72), 0.8));
  p.setBrush(QColor(70, 88, 118));
  p.drawRoundedRect(QRectF(2, 0.5, 12, 15), 1.8, 1.8);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(214, 240, 214));
  p.drawRect(QRectF(3.5, 2, 9, 3.5));
  const QColor keys[3] = {QColor(158, 205, 180), QColor(158, 205, 180), QColor(255, 155, 157)};
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3; ++column) {
      p.setBrush(keys[column]);
      p.drawRect(QRectF(3.5 + column * 3.2, 7 + row * 2.8, 2.4, 2));
    }
}

void DrawHomePage(QPainter& p) {
  p.setPen(QPen(QColor(90, 50, 20), 0.9));
  p.setBrush(QColor(220, 80, 60));
  p.drawPolygon(QPolygonF({{1, 8}, {8, 1.5}, {15, 8}}));
  p.setBrush(QColor(245, 230, 200));
  p.drawRect(QRectF(3, 8, 10, 7));
  p.setBrush(QColor(120, 80, 40));
  p.drawRect(QRectF(6.5, 10.5, 3, 4.5));
}

void DrawAbout(QPainter& p) {
  p.setPen(QPen(QColor(20, 60, 140), 0.9));
  p.setBrush(QColor(70, 130, 220));
  p.drawEllipse(QRectF(1, 1, 14, 14));
  p.setPen(Qt::NoPen);
  p.setBrush(Qt::white);
  p.drawEllipse(QRectF(7, 3.5, 2, 2));
  p.drawRect(QRectF(7, 6.8, 2, 5.7));
}

void DrawSheet(QPainter& p, QRectF sheet) {
  p.setPen(QPen(QColor(80, 80, 90), 0.8));
  p.setBrush(Qt::white);
  p.drawRect(sheet);
  p.setPen(QPen(QColor(150, 150, 170), 0.7));
  for (qreal y = sheet.top() + 2.5; y < sheet.bottom() - 1; y += 2)
    p.drawLine(QPointF(sheet.left() + 1.5, y), QPointF(sheet.right() - 1.5, y));
}

void DrawCopy(QPainter& p) {
  DrawSheet(p, QRectF(1.5, 1.5, 8.5, 10));
  DrawSheet(p, QRectF(6, 4.5, 8.5, 10));
}

void DrawPaste(QPainter& p) {
  p.setPen(QPen(QColor(90, 60, 30), 0.8));
  p.setBrush(QColor(200, 150, 90));
  p.drawRoundedRect(QRectF(1.5, 2, 10, 13), 1, 1);
  p.setBrush(QColor(170, 170, 180));
  p.drawRect(QRectF(4, 0.8, 5, 2.5));
  DrawSheet(p, QRectF(6.5, 6, 8, 9));
}

void DrawExit(QPainter& p) {
  p.setPen(QPen(QColor(70, 50, 30), 0.8));
  p.setBrush(QColor(150, 110, 70));
  p.drawRect(QRectF(2, 1, 8, 14));
  p.setPen(QPen(QColor(200, 30, 30), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawLine(QPointF(7, 8), QPointF(14.5, 8));
  p.drawPolyline(QPolygonF({{11.5, 5}, {14.5, 8}, {11.5, 11}}));
}

} // namespace

QIcon app::ProgramIcon() {
  return VectorIcon(DrawCalculator);
}

QIcon app::MenuIcon(app::MenuPicture picture) {
  switch (picture) {
  case app::MenuPicture::HomePage: return VectorIcon(DrawHomePage);
  case app::MenuPicture::About: return VectorIcon(DrawAbout);
  case app::MenuPicture::Copy: return VectorIcon(DrawCopy);
  case app::MenuPicture::Paste: return VectorIcon(DrawPaste);
  case app::MenuPicture::Exit: return VectorIcon(DrawExit);
  }
  return {};
}

QImage app::RadicalSign(qreal scale) {
  // Smoothed edges are shades of the ground they are drawn on; on white they
  // would stay as a light fringe on the button once white is made
  // transparent, so the smooth sign is drawn on a transparent ground.
  const bool smooth = scale > 1;
  QImage image(QSize(19, 15) * scale,
               smooth ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  image.fill(smooth ? Qt::transparent : Qt::white);
  QPainter p(&image);
  p.setPen(QPen(Qt::black, 1.2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.setRenderHint(QPainter::Antialiasing, smooth);
  p.drawPolyline(QPolygonF({{1.5, 8.5}, {3.5, 7.5}, {7, 13.5}, {11, 1.5}, {18, 1.5}}));
  return image;
}
