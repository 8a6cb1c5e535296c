#include "math/FloatEnv.h"

#include "math/CVMathConst.h"
#include "math/MathError.h"

#include <cmath>

EInvalidOp::EInvalidOp() : EMathError(CVMathConst::SInvalidOp) {}
EZeroDivide::EZeroDivide() : EMathError(CVMathConst::SZeroDivide) {}
EOverflow::EOverflow() : EMathError(CVMathConst::SFloatOverflow) {}

namespace FloatEnv {

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
