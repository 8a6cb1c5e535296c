#include "widgets/DxColors.h"

#include <utility>

TdxColors::TdxColors(std::function<void()> onChange) : FOnChange(std::move(onChange)) {}

void TdxColors::Change(QColor& field, const QColor& color) {
  if (field == color) return;
  field = color;
  if (FOnChange) FOnChange();
}
