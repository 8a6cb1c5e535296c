#pragma once
// TmxFlatPanel: a panel with a caption and a 2-pixel frame that changes while
// the pointer is over it or it has the focus. The frame is drawn inside the
// widget; the client area, where the caption is drawn and child widgets go
// (parent them to Client(), at client coordinates), is inset by 2 pixels on
// each side. Color is the palette's window colour, so children that paint
// their parent's colour paint it.

#include <QColor>
#include <QString>
#include <QWidget>

class TmxFlatPanel : public QWidget {
  Q_OBJECT

public:
  explicit TmxFlatPanel(QWidget* parent = nullptr);

  // The inner widget that covers the client area; it paints nothing itself.
  QWidget* Client() const { return FClient; }
  QRect ClientRect() const { return contentsRect(); }
  int BorderWidth() const { return 2; }

  QString Caption() const { return FCaption; }
  void SetCaption(const QString& caption);
  // Horizontal placement of the caption; it is always centred vertically.
  Qt::Alignment Alignment() const { return FAlignment; }
  void SetAlignment(Qt::Alignment alignment);
  QColor Color() const { return palette().color(QPalette::Active, QPalette::Window); }
  void SetColor(const QColor& color);
  // The caption's colour, the palette's window-text colour, which children
  // that draw text in their parent's text colour inherit. A panel given a
  // fixed Color needs a fixed text colour too, or a dark desktop palette
  // writes light text on it.
  QColor FontColor() const { return palette().color(QPalette::Active, QPalette::WindowText); }
  void SetFontColor(const QColor& color);

  // Draw the flat frame; false gives a sunken 3-D edge.
  bool Flat() const { return FFlat; }
  void SetFlat(bool flat);
  // Draw the outer ring in BorderColor.
  bool ShowBorder() const { return FShowBorder; }
  void SetShowBorder(bool show);
  // The system button-shadow colour until one is set.
  QColor BorderColor() const;
  void SetBorderColor(const QColor& color);
  // Change the frame while the pointer is inside or the panel has the focus.
  bool Activate() const { return FActivate; }
  void SetActivate(bool activate);

  bool MouseInside() const { return FMouseInside; }

signals:
  void OnClick();

protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  void DrawFrame(QPainter& painter) const;

  QWidget* FClient;
  QString FCaption;
  Qt::Alignment FAlignment = Qt::AlignHCenter;
  bool FFlat = true;
  bool FShowBorder = true;
  QColor FBorderColor; // invalid: the system button-shadow colour
  bool FActivate = true;
  bool FMouseInside = false;
  bool FClickPending = false;
};
