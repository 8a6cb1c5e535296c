#include "display/CalcIndicator.h"

#include "display/CalcIndicatorAccessible.h"
#include "display/format/DisplayFormat.h"
#include "engine/NumberText.h"

#include <QEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {

// The forms reserve the width of this character of their own font for the
// multiplication sign (it is the sign's code in the "Symbol" typeface).
constexpr char16_t SignGapCharacter = 0x00B4;
constexpr char16_t MultiplicationSign = 0x00D7;

qsizetype FirstExponentMark(const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('E') || text[i] == QLatin1Char('e')) return i;
  }
  return -1;
}

// The part of `text` that can show when it is drawn ending at x = `right`:
// what lies left of x = 0 is clipped. Every glyph of a display text is at
// least a pixel wide, so the last right + 1 characters reach past the left
// edge; measuring and drawing only those keeps a text of a million
// characters as quick as a short one. The whole text when that fails.
QString VisibleTail(const QString& text, int right, const QFontMetrics& metrics) {
  const qsizetype keep = std::max(right, 0) + 1;
  if (text.size() <= keep) return text;
  const QString tail = text.right(keep);
  return metrics.horizontalAdvance(tail) >= right ? tail : text;
}

} // namespace

TCVCalcIndicator::TCVCalcIndicator(QWidget* owner) : QWidget(owner) {
  display::InstallIndicatorAccessibility();
  resize(145, 20);
  // Written before grouping is on; the exponent form ignores grouping anyway.
  SetText("-123456789E-1234");
  FThouSep = true;
}

std::string TCVCalcIndicator::Text() const {
  return engine::RemoveNonNumber(FText, engine::CurrentSeparators().decimal);
}

void TCVCalcIndicator::SetText(std::string_view value) {
  if (value == FText) return;
  // Formatted before anything is stored, so a text that fails leaves the
  // display as it was.
  std::string before = display::DisplayTextOf(value, FThouSep, engine::CurrentSeparators());
  FText.swap(before);
  Invalidate();
  display::TellIndicatorChanged(this, before);
}

void TCVCalcIndicator::SetThouSep(bool value) {
  if (value == FThouSep) return;
  FThouSep = value;
  update();
}

void TCVCalcIndicator::Invalidate() {
  FRuns.reset();
  update();
}

const std::vector<TCVCalcIndicator::TGlyphRun>& TCVCalcIndicator::Runs() const {
  if (!FRuns) FRuns = MeasureRuns();
  return *FRuns;
}

// Positions are those of the text's top-left corners, turned into baselines:
// one line a quarter line high down, or the exponent at the top edge and the
// rest a third of a line down, everything ending at the right edge.
std::vector<TCVCalcIndicator::TGlyphRun> TCVCalcIndicator::MeasureRuns() const {
  const QFontMetrics metrics(font());
  const QString text = QString::fromUtf8(FText);
  const int w = width();
  const int h = metrics.height();
  const int ascent = metrics.ascent();

  const qsizetype split = FirstExponentMark(text);
  if (split < 0) {
    const QString line = VisibleTail(text, w, metrics);
    return {{line, QPoint(w - metrics.horizontalAdvance(line), h / 4 + ascent)}};
  }

  const QString exponent = VisibleTail(text.mid(split + 1), w, metrics);
  const int xe = w - metrics.horizontalAdvance(exponent);
  // An exponent part wider than the control hides everything left of it.
  if (exponent.size() < text.size() - split - 1) return {{exponent, QPoint(xe, ascent)}};
  const QString ten = QStringLiteral("10");
  const int xt = xe - metrics.horizontalAdvance(ten);
  const int yt = h / 3;
  const int g = metrics.horizontalAdvance(QChar(SignGapCharacter));
  const QString mantissa = VisibleTail(text.left(split), xt - g, metrics);
  return {{mantissa, QPoint(xt - g - metrics.horizontalAdvance(mantissa), yt + ascent)},
          {ten, QPoint(xt, yt + ascent)},
          {exponent, QPoint(xe, ascent)},
          {QString(QChar(MultiplicationSign)), QPoint(xt - g, yt + ascent)}};
}

void TCVCalcIndicator::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(font());
  painter.setPen(palette().color(QPalette::WindowText));
  for (const TGlyphRun& run : Runs())
    painter.drawText(run.baseline, run.text);
}

void TCVCalcIndicator::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::FontChange) Invalidate();
}

void TCVCalcIndicator::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FRuns.reset();
}

void TCVCalcIndicator::mousePressEvent(QMouseEvent* event) {
  FPressed = event->button() == Qt::LeftButton;
  event->setAccepted(FPressed);
}

void TCVCalcIndicator::mouseReleaseEvent(QMouseEvent* event) {
  const bool click =
      FPressed && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
  FPressed = false;
  if (click) emit OnClick();
}
