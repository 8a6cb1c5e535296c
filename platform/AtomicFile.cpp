#include "platform/AtomicFile.h"

namespace platform {

namespace {

std::function<bool(ReplaceStep)>& Fault() {
  static std::function<bool(ReplaceStep)> fault;
  return fault;
}

} // namespace

void SetReplaceFaultForTesting(std::function<bool(ReplaceStep)> fault) {
  Fault() = std::move(fault);
}

bool ReplaceFaultInjected(ReplaceStep step) {
  return Fault() && Fault()(step);
}

} // namespace platform
