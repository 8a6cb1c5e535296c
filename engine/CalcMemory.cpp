#include "engine/CalcMemory.h"

#include "engine/NumberText.h"
#include "math/FloatEnv.h"

#include <stdexcept>

namespace {
void RequireCell(int cell, int quantity) {
  if (cell < 1 || cell > quantity)
    throw std::out_of_range("Memory cell " + std::to_string(cell) + " is outside 1 to " +
                            std::to_string(quantity));
}
} // namespace

TCVCalcMemory::TCVCalcMemory() {
  SetCellsQuantity(10);
  FActiveCell = 1;
  SetValue("0");
}

std::string TCVCalcMemory::Value() {
  FValue = engine::RemoveNonNumber(ActiveText(), FDecimalSeparator);
  FNumber = engine::TextToNumber(FValue, FDecimalSeparator);
  return FValue;
}

void TCVCalcMemory::SetValue(const std::string& text) {
  FloatEnv::EnsureExtendedControl();
  FValue = engine::RemoveNonNumber(text.empty() ? "0" : text, FDecimalSeparator);
  // An unreadable text is not stored: the cell keeps its number text.
  if (const auto number = engine::TryTextToNumber(FValue, FDecimalSeparator)) {
    FNumber = *number;
    ActiveText() = FValue;
  }
}

void TCVCalcMemory::SetCellsQuantity(int quantity) {
  if (quantity == FCellsQuantity) return;
  if (quantity < 1)
    throw std::invalid_argument("Memory cells quantity " + std::to_string(quantity) +
                                " is below 1");
  FCellsQuantity = quantity;
  FCells.assign(std::size_t(quantity), "0");
  if (FActiveCell > quantity) FActiveCell = quantity;
}

void TCVCalcMemory::SetActiveCell(int cell) {
  if (cell == FActiveCell) return;
  RequireCell(cell, FCellsQuantity);
  FActiveCell = cell;
  FValue = ActiveText();
  FNumber = engine::TextToNumber(FValue, FDecimalSeparator);
}

const std::string& TCVCalcMemory::Cell(int cell) const {
  RequireCell(cell, FCellsQuantity);
  return FCells[std::size_t(cell - 1)];
}
