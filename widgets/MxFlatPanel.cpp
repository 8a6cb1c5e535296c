#include "widgets/MxFlatPanel.h"

#include "widgets/DxAccessible.h"
#include "widgets/PixelPaint.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// A one-pixel raised or sunken edge around `rect`: the top and left sides in
// one colour, the bottom and right sides, corners included, in the other.
void DrawEdge(QPainter& painter, QRect rect, const QColor& topLeft, const QColor& bottomRight) {
  widgets::DrawPixelLine(painter, rect.topLeft(), {rect.right() - 1, rect.top()}, topLeft);
  widgets::DrawPixelLine(painter, rect.topLeft(), {rect.left(), rect.bottom() - 1}, topLeft);
  widgets::DrawPixelLine(painter, rect.bottomLeft(), rect.bottomRight(), bottomRight);
  widgets::DrawPixelLine(painter, rect.topRight(), rect.bottomRight(), bottomRight);
}

} // namespace

TmxFlatPanel::TmxFlatPanel(QWidget* parent) : QWidget(parent), FClient(new QWidget(this)) {
  widgets::InstallWidgetAccessibility();
  setContentsMargins(BorderWidth(), BorderWidth(), BorderWidth(), BorderWidth());
  FClient->setGeometry(contentsRect());
}

void TmxFlatPanel::SetCaption(const QString& caption) {
  FCaption = caption;
  widgets::TellTextChanged(this);
  update();
}

void TmxFlatPanel::SetAlignment(Qt::Alignment alignment) {
  FAlignment = alignment & Qt::AlignHorizontal_Mask;
  update();
}

void TmxFlatPanel::SetColor(const QColor& color) {
  QPalette colors = palette();
  colors.setColor(QPalette::Window, color);
  setPalette(colors);
  update();
}

void TmxFlatPanel::SetFlat(bool flat) {
  FFlat = flat;
  update();
}

void TmxFlatPanel::SetShowBorder(bool show) {
  FShowBorder = show;
  update();
}

void TmxFlatPanel::SetFontColor(const QColor& color) {
  QPalette colors = palette();
  colors.setColor(QPalette::WindowText, color);
  setPalette(colors);
}

QColor TmxFlatPanel::BorderColor() const {
  return FBorderColor.isValid() ? FBorderColor : palette().color(QPalette::Active, QPalette::Dark);
}

void TmxFlatPanel::SetBorderColor(const QColor& color) {
  FBorderColor = color;
  if (FFlat) update();
}

void TmxFlatPanel::SetActivate(bool activate) {
  FActivate = activate;
  update();
}

void TmxFlatPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect client = ClientRect();
  painter.fillRect(client, Color());
  painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
  painter.drawText(
      client,
      static_cast<int>(FAlignment | Qt::AlignVCenter | Qt::TextSingleLine | Qt::TextShowMnemonic),
      FCaption);
  DrawFrame(painter);
}

void TmxFlatPanel::DrawFrame(QPainter& painter) const {
  const QRect outer = rect(), inner = rect().adjusted(1, 1, -1, -1);
  const QPalette& colors = palette();
  widgets::DrawPixelRing(painter, outer, Color());
  widgets::DrawPixelRing(painter, inner, Color());
  if (!FFlat) {
    DrawEdge(painter, outer, colors.color(QPalette::Active, QPalette::Dark),
             colors.color(QPalette::Active, QPalette::Light));
    DrawEdge(painter, inner, colors.color(QPalette::Active, QPalette::Shadow),
             colors.color(QPalette::Active, QPalette::Midlight));
  } else if (FActivate && (FMouseInside || hasFocus())) {
    DrawEdge(painter, outer, colors.color(QPalette::Active, QPalette::Dark),
             colors.color(QPalette::Active, QPalette::Light));
    widgets::DrawPixelRing(painter, inner, colors.color(QPalette::Active, QPalette::Button));
  } else if (FShowBorder) {
    widgets::DrawPixelRing(painter, outer, BorderColor());
  }
}

void TmxFlatPanel::resizeEvent(QResizeEvent* event) {
  FClient->setGeometry(contentsRect());
  QWidget::resizeEvent(event);
}

void TmxFlatPanel::enterEvent(QEnterEvent*) {
  FMouseInside = true;
  if (FFlat && FActivate) update();
}

void TmxFlatPanel::leaveEvent(QEvent*) {
  FMouseInside = false;
  if (FFlat && FActivate) update();
}

void TmxFlatPanel::focusInEvent(QFocusEvent* event) {
  update();
  QWidget::focusInEvent(event);
}

void TmxFlatPanel::focusOutEvent(QFocusEvent* event) {
  update();
  QWidget::focusOutEvent(event);
}

void TmxFlatPanel::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) FClickPending = true;
  QWidget::mousePressEvent(event);
}

void TmxFlatPanel::mouseReleaseEvent(QMouseEvent* event) {
  const bool clicks = event->button() == Qt::LeftButton && FClickPending &&
                      rect().contains(event->position().toPoint());
  if (event->button() == Qt::LeftButton) FClickPending = false;
  if (clicks) emit OnClick();
  QWidget::mouseReleaseEvent(event);
}
