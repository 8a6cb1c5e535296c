#pragma once
// TdxButton: the gradient push button. It paints its face as a vertical
// gradient inside a rounded border, rings it with a second gradient while
// hovered, focused, pressed-and-dragged-away or default, shows a caption with
// an optional glyph, and clicks like a push button: on mouse release over
// it, on release of a held space bar, on Enter while focused or default, on
// Esc when it is the Cancel button, and on its accelerator letter. A click
// hands ModalResult to the dialog it sits in. It owns its colour set, its
// glyph and its four gradient images, rebuilt on size, quality and colour
// changes only.

#include "widgets/DxColors.h"
#include "widgets/DxCustomControl.h"
#include "widgets/Gradient.h"

#include <QImage>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <cstdint>

class QAction;
class QPainter;

enum TdxLayout : std::uint8_t { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The modal results a click can hand to its dialog; QDialog::exec() returns
// them. Zero leaves the dialog open.
inline constexpr int mrNone = 0;
inline constexpr int mrOk = 1;
inline constexpr int mrCancel = 2;
inline constexpr int mrAbort = 3;
inline constexpr int mrRetry = 4;
inline constexpr int mrIgnore = 5;
inline constexpr int mrYes = 6;
inline constexpr int mrNo = 7;

namespace widgets {

// The accelerator letter of a caption: the character after an "&" that is
// not itself "&"; the last one counts. Null when there is none.
//   AccelChar("&Submit") -> 'S'    AccelChar("Fish && &Chips") -> 'C'
//   AccelChar("R&&D") -> null      AccelChar("Help&") -> null
QChar AccelChar(const QString& caption);

} // namespace widgets

class TdxButton : public TdxCustomControl {
  Q_OBJECT

public:
  explicit TdxButton(QWidget* parent = nullptr);

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& caption);
  bool AutoGray() const { return FAutoGray; }
  void SetAutoGray(bool autoGray);
  bool Cancel() const { return FCancel; }
  void SetCancel(bool cancel) { FCancel = cancel; }
  bool Default() const { return FDefault; }
  void SetDefault(bool isDefault);
  int ModalResult() const { return FModalResult; }
  void SetModalResult(int modalResult) { FModalResult = modalResult; }
  QImage Glyph() const { return FGlyph; }
  void SetGlyph(const QImage& glyph);
  TdxLayout Layout() const { return FLayout; }
  void SetLayout(TdxLayout layout);
  int Spacing() const { return FSpacing; }
  void SetSpacing(std::uint8_t spacing);
  bool HotTrack() const { return FHotTrack; }
  void SetHotTrack(bool hotTrack);
  TdxQuality Quality() const { return FQuality; }
  void SetQuality(TdxQuality quality);
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool show);
  bool ShowFocusRect() const { return FShowFocusRect; }
  void SetShowFocusRect(bool show);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool wordWrap);
  TdxColors& Colors() { return FColors; }
  const TdxColors& Colors() const { return FColors; }
  // The caption's colour while enabled. The face is drawn in fixed colours,
  // so the caption is fixed with them (black), whatever the desktop's palette.
  QColor FontColor() const { return FFontColor; }
  void SetFontColor(const QColor& color);
  // The action the button runs when OnClick has no receiver; its icon, while
  // it has one, stands in for Glyph.
  QAction* Action() const { return FAction; }
  void SetAction(QAction* action);

  // The keys, as the user reads them ("Enter", "Ctrl+L"), that the window
  // binds to this button, for assistive technology to tell.
  QStringList KeyNames() const { return FKeyNames; }
  void SetKeyNames(const QStringList& names) { FKeyNames = names; }

  // Hands ModalResult to the dialog, runs OnClick or the action, then closes
  // a modal dialog whose result is still not zero.
  void Click() override;

protected:
  bool DialogKey(const QKeyEvent& key) override;
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  // Whether the ring shows; the default-button rule applies only if asked.
  bool RingShown(bool withDefaultRule) const;
  void InvalidateGradients();
  void BuildGradients();
  void BuildGlyphs();
  void DrawFaces(QPainter& painter) const;
  void DrawBorder(QPainter& painter) const;
  void DrawFocusRect(QPainter& painter) const;
  void DrawCaptionAndGlyph(QPainter& painter) const;
  // The caption's rectangle, measured and centred with the glyph beside it.
  QRect CaptionRect(QSize glyph) const;
  QPoint GlyphOrigin(const QRect& text, QSize glyph) const;
  int TextFlags() const;
  void GrabAccelerator();

  QString FCaption;
  bool FAutoGray = true;
  bool FCancel = false;
  bool FDefault = false;
  int FModalResult = mrNone;
  QImage FGlyph;
  TdxLayout FLayout = blGlyphLeft;
  int FSpacing = 3;
  bool FHotTrack = false;
  TdxQuality FQuality = bqMiddle;
  bool FShowAccelChar = true;
  bool FShowFocusRect = true;
  bool FWordWrap = true;
  TdxColors FColors;
  QColor FFontColor{0, 0, 0};
  QPointer<QAction> FAction;
  QStringList FKeyNames;
  int FAcceleratorId = 0; // the window shortcut for Alt and the accelerator letter

  // Built from the colours and size, copied on every paint.
  QImage FFace;
  QImage FPressedFace;
  QImage FFocusRing;
  QImage FHighlightRing;
  QSize FBuiltSize; // invalid until built, and after each change
  bool FFaceInsideRing = false;
  qreal FBuiltRatio = 1;
  // The glyph (or the action's icon) with its transparent colour applied,
  // and its grey form for the disabled button.
  QImage FGlyphImage;
  QImage FGrayGlyphImage;
};
