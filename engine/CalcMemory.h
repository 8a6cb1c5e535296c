#pragma once
// TCVCalcMemory: the calculator's row of memory cells, each a number text, one
// of them active. Value is the active cell's text; FValue and FNumber cache it
// as last read or written, and the engine's memory actions work on FNumber
// directly. Cells are only ever written with "0" or with text that has just
// read as a number.

#include "math/Extended.h"

#include <string>
#include <vector>

class TCVCalcMemory {
public:
  TCVCalcMemory();

  // Reading refreshes FValue and FNumber from the active cell.
  std::string Value();
  // Stores the cleaned text in the active cell; a text that does not read as
  // a number is swallowed and leaves the cell as it was.
  void SetValue(const std::string& text);

  int CellsQuantity() const { return FCellsQuantity; }
  // Resets every cell to "0". Throws std::invalid_argument below 1; an active
  // cell beyond the new last cell moves to it.
  void SetCellsQuantity(int quantity);

  int ActiveCell() const { return FActiveCell; }
  // Makes cell `cell` (from 1) active and reads it. Throws std::out_of_range
  // outside 1..CellsQuantity, changing nothing.
  void SetActiveCell(int cell);

  // The cell texts, for inspection: Cell(1) is the first.
  const std::string& Cell(int cell) const;

  // The decimal separator of the cells' number texts ('.' at first).
  char DecimalSeparator() const { return FDecimalSeparator; }
  void SetDecimalSeparator(char separator) { FDecimalSeparator = separator; }

private:
  friend class TCVCalculator;

  std::string& ActiveText() { return FCells[std::size_t(FActiveCell - 1)]; }

  std::string FValue;
  Extended FNumber = 0;
  std::vector<std::string> FCells;
  char FDecimalSeparator = '.';
  int FCellsQuantity = 0;
  int FActiveCell = 1;
};
