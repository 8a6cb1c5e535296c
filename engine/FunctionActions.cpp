// The engine's unary function actions and pi. Their behaviour arrives with
// the scientific functions; until then they leave the engine untouched.

#include "engine/Calculator.h"

void TCVCalculator::DoFunction(TCalcAction) {}

void TCVCalculator::DoPI() {}
