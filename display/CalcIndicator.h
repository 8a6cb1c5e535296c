#pragma once
// TCVCalcIndicator: the number display. It holds display text, not a number:
// a written number text is cleaned and formatted once (FormatDisplayText with
// its separators) and painted right-aligned on one line, or as
// mantissa, multiplication sign, "10" and a raised exponent, the last glyph
// flush with the right edge. It fills no background, so its parent's shows
// through, and it owns nothing but its two fields and a cached layout.
// Owners give it its font (IndicatorFont() in the forms).

#include "engine/NumberText.h"

#include <QString>
#include <QWidget>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class TCVCalcIndicator : public QWidget {
  Q_OBJECT

public:
  // 145 x 20, showing "-123456789E-1234" (as -1.234567890000E-1226), grouping on.
  explicit TCVCalcIndicator(QWidget* owner = nullptr);

  // The display text without the grouping separators:
  //   display "1,234,567.5" -> "1234567.5"   "1.500000000000E+0020" -> unchanged
  std::string Text() const;
  // A text equal to the display text does nothing at all; any other is
  // cleaned, formatted with ThouSep() and repainted. A text that does not
  // read raises EConvertError and leaves the display as it was.
  //   "1a2b3" -> "123"   "1234567.5" -> "1,234,567.5" (grouping on)   "abc" -> EConvertError
  void SetText(std::string_view value);

  bool ThouSep() const { return FThouSep; }
  // Repaints, but keeps the display text: owners regroup a value by writing
  // "0" and then the value again.
  void SetThouSep(bool value);

  // What is painted, grouping separators included.
  const std::string& DisplayText() const { return FText; }

  // The separators the display reads and groups with ("." and "," at first).
  // A change rewrites the shown number with the new ones.
  const engine::NumberSeparators& Separators() const { return FSeparators; }
  void SetSeparators(engine::NumberSeparators separators);

signals:
  // A left-button press and release inside the display.
  void OnClick();

protected:
  void paintEvent(QPaintEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  // One piece of text and the baseline it is drawn on.
  struct TGlyphRun {
    QString text;
    QPoint baseline;
  };

  const std::vector<TGlyphRun>& Runs() const;
  std::vector<TGlyphRun> MeasureRuns() const;
  void Invalidate();

  std::string FText;
  engine::NumberSeparators FSeparators;
  bool FThouSep = false;
  bool FPressed = false;
  // Measured for FText, the font and the width; dropped when one changes.
  mutable std::optional<std::vector<TGlyphRun>> FRuns;
};
