#pragma once
// The engine as the main window's stored layout creates it: Value "0",
// Memory.Value "0", Memory.CellsQuantity 10 and Action ca0, in that order.
// The one ca0 action leaves the engine entering the number "0", so the first
// digit typed after start appends to it ("05"). The window and the headless
// driver both build their engine here.

#include "engine/Calculator.h"

namespace engine {

inline void LoadCalculatorForm(TCVCalculator& calculator) {
  calculator.SetValue("0");
  calculator.Memory().SetValue("0");
  calculator.Memory().SetCellsQuantity(10);
  calculator.SetAction(ca0);
}

} // namespace engine
