#include "math/FloatEnv.h"

#include "math/CVMathConst.h"
#include "math/MathError.h"

#include <cmath>

EInvalidOp::EInvalidOp() : EMathError(CVMathConst::SInvalidOp) {}
EZeroDivide::EZeroDivide() : EMathError(CVMathConst::SZeroDivide) {}
EOverflow::EOverflow() : EMathError(CVMathConst::SFloatOverflow) {}

namespace FloatEnv {

namespace {
// The fields this library relies on: exception masks, precision, rounding.
constexpr unsigned short ReliedOn = 0x0F3F;
} // namespace

unsigned short ControlWord() {
  unsigned short control = 0;
  asm volatile("fnstcw %0" : "=m"(control));
  return control;
}

// The status flags are cleared first: a flag raised earlier (inexact, say)
// would otherwise fault at the next instruction once its trap is unmasked.
void SetControlWord(unsigned short control) {
  asm volatile("fnclex\n\tfldcw %0" : : "m"(control));
}

bool EnsureExtendedControl() {
  const unsigned short control = ControlWord();
  if ((control & ReliedOn) == (ExtendedControl & ReliedOn)) return false;
  SetControlWord(static_cast<unsigned short>((control & ~ReliedOn) | (ExtendedControl & ReliedOn)));
  return true;
}

Extended Trap(Extended result, Extended a, Extended b, bool zeroDivisor) {
  if (std::isnan(result) && !std::isnan(a) && !std::isnan(b)) throw EInvalidOp();
  if (std::isinf(result) && std::isfinite(a) && std::isfinite(b)) {
    if (zeroDivisor) throw EZeroDivide();
    throw EOverflow();
  }
  return result;
}

Extended TrapUnary(Extended result, Extended x, bool pole) {
  if (std::isnan(result) && !std::isnan(x)) throw EInvalidOp();
  if (std::isinf(result) && std::isfinite(x)) {
    if (pole) throw EZeroDivide();
    throw EOverflow();
  }
  return result;
}

} // namespace FloatEnv
