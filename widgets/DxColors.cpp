#include "widgets/DxColors.h"

#include <utility>

namespace {

QColor ToQColor(ui::TRgb color) {
  return {color.Red, color.Green, color.Blue};
}

} // namespace

TdxColors::TdxColors(std::function<void()> onChange) {
  Assign(ui::TButtonColors{});
  FOnChange = std::move(onChange);
}

void TdxColors::Assign(const ui::TButtonColors& colors) {
  SetBackgroundFrom(ToQColor(colors.BackgroundFrom));
  SetBackgroundTo(ToQColor(colors.BackgroundTo));
  SetClickedFrom(ToQColor(colors.ClickedFrom));
  SetClickedTo(ToQColor(colors.ClickedTo));
  SetFocusedFrom(ToQColor(colors.FocusedFrom));
  SetFocusedTo(ToQColor(colors.FocusedTo));
  SetHighlightFrom(ToQColor(colors.HighlightFrom));
  SetHighlightTo(ToQColor(colors.HighlightTo));
  SetBorderLine(ToQColor(colors.BorderLine));
  SetHotTrack(ToQColor(colors.HotTrack));
}

void TdxColors::Change(QColor& field, const QColor& color) {
  if (field == color) return;
  field = color;
  if (FOnChange) FOnChange();
}
