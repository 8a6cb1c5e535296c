#include "widgets/DxButton.h"

#include "widgets/DxAccessible.h"
#include "widgets/PixelPaint.h"

#include <QAction>
#include <QDialog>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMetaMethod>
#include <QPainter>

#include <cmath>
#include <cstdlib>

namespace {

const QColor CornerSilver(192, 192, 192);

// Pixels whose colour equals the bottom-left pixel's become transparent.
QImage WithTransparentColor(const QImage& glyph) {
  QImage image = glyph.convertToFormat(QImage::Format_ARGB32);
  const QRgb key = image.pixel(0, image.height() - 1);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x)
      if (line[x] == key) line[x] = qRgba(0, 0, 0, 0);
  }
  return image;
}

// Every pixel becomes a grey between 96 and 223 by its brightness.
QImage Grayed(const QImage& glyph) {
  QImage image = glyph.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int level = (qRed(line[x]) + qGreen(line[x]) + qBlue(line[x])) / 3 / 2 + 96;
      line[x] = qRgba(level, level, level, qAlpha(line[x]));
    }
  }
  return image;
}

// The pixels of a line from `from` to `to`, the end point left out; a step
// that falls halfway goes away from the start row.
void DrawLineOpenEnd(QPainter& painter, QPoint from, QPoint to, const QColor& color) {
  const int dx = to.x() - from.x(), dy = to.y() - from.y();
  const int steps = std::max(std::abs(dx), std::abs(dy));
  for (int i = 0; i < steps; ++i) {
    widgets::DrawPixel(
        painter,
        {from.x() + static_cast<int>(std::lround(static_cast<double>(dx) * i / steps)),
         from.y() + static_cast<int>(std::lround(static_cast<double>(dy) * i / steps))},
        color);
  }
}

} // namespace

QChar widgets::AccelChar(const QString& caption) {
  QChar accel;
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != u'&') continue;
    ++i;
    if (caption[i] != u'&') accel = caption[i];
  }
  return accel;
}

TdxButton::TdxButton(QWidget* parent)
    : TdxCustomControl(parent), FColors([this] { InvalidateGradients(); }) {
  widgets::InstallWidgetAccessibility();
  // Every paint covers the whole button, over the toolkit's own buffer.
  setAttribute(Qt::WA_OpaquePaintEvent);
  resize(73, 25);
}

void TdxButton::SetCaption(const QString& caption) {
  if (caption == FCaption) return;
  FCaption = caption;
  GrabAccelerator();
  widgets::TellTextChanged(this);
  update();
}

void TdxButton::GrabAccelerator() {
  // Alt and the letter must reach the button even when the focused widget
  // would take the letter as text, so they are a window shortcut; a letter
  // without Alt arrives as a dialog key.
  if (FAcceleratorId != 0) releaseShortcut(FAcceleratorId);
  FAcceleratorId = 0;
  const QChar accel = widgets::AccelChar(FCaption).toUpper();
  if (!accel.isNull())
    FAcceleratorId = grabShortcut(QKeySequence(Qt::ALT | Qt::Key(accel.unicode())));
}

bool TdxButton::event(QEvent* event) {
  // A disabled button leaves Alt and its letter to other widgets.
  if (event->type() == QEvent::EnabledChange && FAcceleratorId != 0)
    setShortcutEnabled(FAcceleratorId, isEnabled());
  if (event->type() != QEvent::Shortcut) return TdxCustomControl::event(event);
  if (CanFocus()) Click();
  return true;
}

void TdxButton::SetAutoGray(bool autoGray) {
  FAutoGray = autoGray;
  update();
}

void TdxButton::SetDefault(bool isDefault) {
  FDefault = isDefault;
  RefreshFormFocus();
}

void TdxButton::SetGlyph(const QImage& glyph) {
  FGlyph = glyph;
  BuildGlyphs();
}

void TdxButton::SetLayout(TdxLayout layout) {
  FLayout = layout;
  update();
}

void TdxButton::SetSpacing(std::uint8_t spacing) {
  FSpacing = spacing;
  update();
}

void TdxButton::SetHotTrack(bool hotTrack) {
  FHotTrack = hotTrack;
  update();
}

void TdxButton::SetFontColor(const QColor& color) {
  FFontColor = color;
  update();
}

void TdxButton::SetQuality(TdxQuality quality) {
  if (quality == FQuality) return;
  FQuality = quality;
  InvalidateGradients();
}

void TdxButton::SetShowAccelChar(bool show) {
  FShowAccelChar = show;
  update();
}

void TdxButton::SetShowFocusRect(bool show) {
  FShowFocusRect = show;
  update();
}

void TdxButton::SetWordWrap(bool wordWrap) {
  FWordWrap = wordWrap;
  update();
}

void TdxButton::SetAction(QAction* action) {
  if (FAction) disconnect(FAction, nullptr, this, nullptr);
  FAction = action;
  if (action) connect(action, &QAction::changed, this, [this] { BuildGlyphs(); });
  BuildGlyphs();
}

void TdxButton::Click() {
  QPointer<QDialog> dialog = qobject_cast<QDialog*>(window());
  if (dialog) dialog->setResult(FModalResult);
  // An OnClick receiver replaces the action, as an assigned click handler
  // replaces an action's own.
  if (FAction && !isSignalConnected(QMetaMethod::fromSignal(&TdxCustomControl::OnClick)))
    FAction->trigger();
  else
    TdxCustomControl::Click();
  // The dialog closes after the click, so a handler may still take the
  // result back.
  if (dialog && dialog->isModal() && dialog->isVisible() && dialog->result() != mrNone)
    dialog->done(dialog->result());
}

bool TdxButton::DialogKey(const QKeyEvent& key) {
  const auto modifiers = key.modifiers() & ModifierKeys;
  bool clicks = false;
  if (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) {
    clicks = hasFocus() || (FDefault && !FormFocusIsCustom());
  } else if (key.key() == Qt::Key_Escape) {
    clicks = FCancel && modifiers == Qt::NoModifier;
  } else {
    const QChar accel = widgets::AccelChar(FCaption);
    if (accel.isNull() || (modifiers & Qt::ControlModifier)) return false;
    QChar typed;
    if (!key.text().isEmpty() && key.text()[0].isPrint())
      typed = key.text()[0];
    else if ((key.key() >= Qt::Key_0 && key.key() <= Qt::Key_9) ||
             (key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z))
      typed = QChar(key.key());
    clicks = typed.toUpper() == accel.toUpper() && (hasFocus() || (modifiers & Qt::AltModifier));
  }
  // A button that cannot take the focus is hidden or disabled; it never clicks.
  if (!clicks || !CanFocus()) return false;
  Click();
  return true;
}

bool TdxButton::RingShown(bool withDefaultRule) const {
  if (Pressed() ? !Hover() : (Hover() || Focused())) return true;
  return withDefaultRule && FDefault && CanFocus() && !FormFocusIsCustom();
}

// The images are built when next painted, so a button that is set up
// property by property (colours one by one) builds them once. The face's size
// still follows the ring as it is at the change.
void TdxButton::InvalidateGradients() {
  FBuiltSize = QSize();
  FFaceInsideRing = RingShown(false);
  update();
}

void TdxButton::BuildGradients() {
  const QSize inner = size() - QSize(2, 2);
  // The face is built to the size it was about to be shown at when its
  // colours, quality or size changed: inside the ring if the ring showed.
  const QSize face = FFaceInsideRing ? size() - QSize(6, 6) : inner;
  // Built in the screen's own pixels, so they stay sharp at any ratio.
  const qreal r = devicePixelRatioF();
  FFace =
      widgets::SharedGradient(face, FColors.BackgroundFrom(), FColors.BackgroundTo(), FQuality, r);
  FPressedFace =
      widgets::SharedGradient(inner, FColors.ClickedFrom(), FColors.ClickedTo(), FQuality, r);
  FFocusRing =
      widgets::SharedGradient(inner, FColors.FocusedFrom(), FColors.FocusedTo(), FQuality, r);
  FHighlightRing =
      widgets::SharedGradient(inner, FColors.HighlightFrom(), FColors.HighlightTo(), FQuality, r);
  FBuiltSize = size();
  FBuiltRatio = r;
}

void TdxButton::BuildGlyphs() {
  QImage glyph = FGlyph;
  if (FAction && !FAction->icon().isNull()) {
    const QIcon icon = FAction->icon();
    glyph = icon.pixmap(icon.availableSizes().value(0, QSize(16, 16))).toImage();
  }
  FGlyphImage = glyph.isNull() ? QImage() : WithTransparentColor(glyph);
  // Greyed before the transparent colour is taken, so the transparent
  // colour is the grey of the bottom-left pixel.
  FGrayGlyphImage = glyph.isNull() ? QImage() : WithTransparentColor(Grayed(glyph));
  update();
}

void TdxButton::resizeEvent(QResizeEvent* event) {
  if (size() != FBuiltSize) InvalidateGradients();
  TdxCustomControl::resizeEvent(event);
}

void TdxButton::paintEvent(QPaintEvent*) {
  // Also when the window moved to a screen of another device-pixel ratio.
  if (size() != FBuiltSize || devicePixelRatioF() != FBuiltRatio) BuildGradients();
  QPainter painter(this);
  // The parent's colour, which the palette passes down; system colours do
  // not change with the button's state, so the active group serves.
  painter.fillRect(rect(), palette().color(QPalette::Active, QPalette::Window));
  DrawFaces(painter);
  DrawBorder(painter);
  DrawCaptionAndGlyph(painter);
}

void TdxButton::DrawFaces(QPainter& painter) const {
  const bool ring = RingShown(true);
  if (ring) painter.drawImage(1, 1, Hover() ? FHighlightRing : FFocusRing);
  if (Pressed() && Hover())
    painter.drawImage(1, 1, FPressedFace);
  else if (ring)
    painter.drawImage(QPointF(3, 3), FFace,
                      QRectF(0, 0, (width() - 6) * FBuiltRatio, (height() - 6) * FBuiltRatio));
  else
    painter.drawImage(1, 1, FFace);
}

void TdxButton::DrawBorder(QPainter& painter) const {
  const int w = width(), h = height();
  // A rounded rectangle with 5 x 5 corner ellipses keeps the corner pixel
  // itself out of the outline.
  const QColor line = FColors.BorderLine();
  widgets::DrawPixelLine(painter, {1, 0}, {w - 2, 0}, line);
  widgets::DrawPixelLine(painter, {1, h - 1}, {w - 2, h - 1}, line);
  widgets::DrawPixelLine(painter, {0, 1}, {0, h - 2}, line);
  widgets::DrawPixelLine(painter, {w - 1, 1}, {w - 1, h - 2}, line);
  DrawLineOpenEnd(painter, {0, 1}, {2, 0}, CornerSilver);
  DrawLineOpenEnd(painter, {w - 2, 0}, {w, 2}, CornerSilver);
  DrawLineOpenEnd(painter, {0, h - 2}, {2, h}, CornerSilver);
  DrawLineOpenEnd(painter, {w - 3, h}, {w, h - 3}, CornerSilver);
}

void TdxButton::DrawFocusRect(QPainter& painter) const {
  if (!Focused() || !FShowFocusRect) return;
  // Every other pixel of the outline, inverted, as a dotted focus rectangle.
  const int left = 3, top = 3, right = width() - 4, bottom = height() - 4;
  painter.save();
  painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  for (int x = left; x <= right; ++x) {
    if ((x + top) % 2 == 0) widgets::DrawPixel(painter, {x, top}, Qt::white);
    if ((x + bottom) % 2 == 0 && bottom > top) widgets::DrawPixel(painter, {x, bottom}, Qt::white);
  }
  for (int y = top + 1; y < bottom; ++y) {
    if ((left + y) % 2 == 0) widgets::DrawPixel(painter, {left, y}, Qt::white);
    if ((right + y) % 2 == 0 && right > left) widgets::DrawPixel(painter, {right, y}, Qt::white);
  }
  painter.restore();
}

int TdxButton::TextFlags() const {
  // No end ellipsis: the caption is drawn into the rectangle measured for
  // it, which it always fits.
  int flags = Qt::AlignTop;
  flags |= FLayout == blGlyphRight && !FGlyphImage.isNull() ? Qt::AlignRight : Qt::AlignLeft;
  if (FWordWrap) flags |= Qt::TextWordWrap;
  if (FShowAccelChar) flags |= Qt::TextShowMnemonic;
  return flags;
}

QRect TdxButton::CaptionRect(QSize glyph) const {
  const int w = width(), h = height(), gw = glyph.width(), gh = glyph.height();
  // Edges as the platform counts them: right and bottom just outside.
  int left = 0, top = 0, right = w, bottom = h;
  if (!glyph.isEmpty()) {
    switch (FLayout) {
    case blGlyphLeft: left += gw + FSpacing; break;
    case blGlyphRight:
      left -= gw + FSpacing;
      right -= 2 * (gw + FSpacing);
      break;
    case blGlyphTop: top += gh + FSpacing; break;
    case blGlyphBottom: top -= gh + FSpacing; break;
    }
  }
  const bool blank = FCaption.isEmpty() || FCaption == u"&";
  const QRect measured = QFontMetrics(font()).boundingRect(
      QRect(left, top, right - left, bottom - top), (TextFlags() & ~Qt::AlignRight) | Qt::AlignLeft,
      blank ? QStringLiteral(" ") : FCaption);
  // Centre caption and glyph together; a pressed button sinks by a pixel.
  const int sunk = Pressed() && Hover() ? 1 : 0;
  return measured.translated((w - (measured.x() + measured.width())) / 2 + sunk,
                             (h - (measured.y() + measured.height())) / 2 + sunk);
}

QPoint TdxButton::GlyphOrigin(const QRect& text, QSize glyph) const {
  const int w = width(), h = height(), gw = glyph.width(), gh = glyph.height();
  const int sunk = Pressed() && Hover() ? 1 : 0;
  switch (FLayout) {
  case blGlyphLeft: return {text.x() - gw - FSpacing, (h - gh) / 2 + sunk};
  case blGlyphRight: return {text.x() + text.width() + FSpacing, (h - gh) / 2 + sunk};
  case blGlyphTop: return {(w - gw) / 2 + sunk, text.y() - gh - FSpacing};
  case blGlyphBottom: return {(w - gw) / 2 + sunk, text.y() + text.height() + FSpacing};
  }
  return {};
}

void TdxButton::DrawCaptionAndGlyph(QPainter& painter) const {
  const QImage& glyph = !isEnabled() && FAutoGray ? FGrayGlyphImage : FGlyphImage;
  // Laid out by its size on the screen, whatever its pixel count.
  const QSize size = glyph.deviceIndependentSize().toSize();
  const QRect text = CaptionRect(size);
  if (!glyph.isNull()) painter.drawImage(GlyphOrigin(text, size), glyph);
  DrawFocusRect(painter);
  painter.setFont(font());
  const int flags = TextFlags();
  if (isEnabled()) {
    painter.setPen(Hover() && FHotTrack ? FColors.HotTrack() : FFontColor);
    painter.drawText(text, flags, FCaption);
  } else {
    painter.setPen(palette().color(QPalette::Active, QPalette::Light));
    painter.drawText(text.translated(1, 1), flags, FCaption);
    painter.setPen(palette().color(QPalette::Active, QPalette::Dark));
    painter.drawText(text, flags, FCaption);
  }
}
