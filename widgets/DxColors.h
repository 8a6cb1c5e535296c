#pragma once
// TdxColors: the colour set of a push button, owned by the button, starting
// with the widget set's colours (ui::TButtonColors). Every
// colour that actually changes calls the owner's change callback once, so the
// button can rebuild its gradients.

#include "ui/ButtonColors.h"

#include <QColor>

#include <functional>

class TdxColors {
public:
  explicit TdxColors(std::function<void()> onChange = {});
  TdxColors(const TdxColors&) = delete;
  TdxColors& operator=(const TdxColors&) = delete;

  // Every colour of the set at once.
  void Assign(const ui::TButtonColors& colors);

  // The face gradient, top and bottom.
  QColor BackgroundFrom() const { return FBackgroundFrom; }
  void SetBackgroundFrom(const QColor& color) { Change(FBackgroundFrom, color); }
  QColor BackgroundTo() const { return FBackgroundTo; }
  void SetBackgroundTo(const QColor& color) { Change(FBackgroundTo, color); }
  // The face gradient while pressed.
  QColor ClickedFrom() const { return FClickedFrom; }
  void SetClickedFrom(const QColor& color) { Change(FClickedFrom, color); }
  QColor ClickedTo() const { return FClickedTo; }
  void SetClickedTo(const QColor& color) { Change(FClickedTo, color); }
  // The ring gradient while focused or default.
  QColor FocusedFrom() const { return FFocusedFrom; }
  void SetFocusedFrom(const QColor& color) { Change(FFocusedFrom, color); }
  QColor FocusedTo() const { return FFocusedTo; }
  void SetFocusedTo(const QColor& color) { Change(FFocusedTo, color); }
  // The ring gradient while the pointer is over the button.
  QColor HighlightFrom() const { return FHighlightFrom; }
  void SetHighlightFrom(const QColor& color) { Change(FHighlightFrom, color); }
  QColor HighlightTo() const { return FHighlightTo; }
  void SetHighlightTo(const QColor& color) { Change(FHighlightTo, color); }
  // The rounded border.
  QColor BorderLine() const { return FBorderLine; }
  void SetBorderLine(const QColor& color) { Change(FBorderLine, color); }
  // The caption on mouse-over, when the button's HotTrack is on.
  QColor HotTrack() const { return FHotTrack; }
  void SetHotTrack(const QColor& color) { Change(FHotTrack, color); }

private:
  void Change(QColor& field, const QColor& color);

  std::function<void()> FOnChange;
  QColor FBackgroundFrom, FBackgroundTo, FClickedFrom, FClickedTo, FFocusedFrom, FFocusedTo,
      FHighlightFrom, FHighlightTo, FBorderLine, FHotTrack;
};
