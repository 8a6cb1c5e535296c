// Random action sequences on the engine, with now and then a value or a
// memory text from outside: no crash, no error but the arithmetic's messages
// and the conversion error, and after every step the flags, the operation
// and the operands are what the state table says (tests/support/EngineModel.h),
// so that Clear always leaves 0 on a usable engine.

#include "engine/Calculator.h"
#include "engine/CalculatorForm.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/support/EngineModel.h"

using namespace engine;

namespace {

// Byte values that are not actions: 0-63 are action ordinals (58-63 past
// caPI), these three take a text or a unit, and every other byte is the
// action of its value modulo 58.
constexpr std::uint8_t kSetValue = 64;
constexpr std::uint8_t kSetMemory = 65;
constexpr std::uint8_t kSetAngle = 66;

void Step(TCVCalculator& calculator, fuzz::Input& input, char separator) {
  using namespace enginemodel;
  const Snapshot before = Snapshot::Of(calculator);
  const std::uint8_t code = input.Byte();
  std::string unexpected;
  std::string violation;
  if (code == kSetValue) {
    const std::string text(input.Text('\n'));
    const Outcome outcome = Attempt([&] { calculator.SetValue(text); }, unexpected);
    violation = Checker(before, calculator, separator).SetValue(text, outcome);
  } else if (code == kSetMemory) {
    const std::string text(input.Text('\n'));
    calculator.Memory().SetValue(text);
    const std::string cell = calculator.Memory().Cell(calculator.Memory().ActiveCell());
    const std::string cleaned = RemoveNonNumber(text.empty() ? "0" : text, separator);
    fuzz::Require(cell == (TryTextToNumber(cleaned, separator) ? cleaned : before.memory),
                  "the memory keeps a text that reads and refuses any other", cell);
  } else if (code == kSetAngle) {
    calculator.SetAngularMeasure(static_cast<TAngularMeasure>(input.Choice(4)));
  } else {
    const auto action = static_cast<TCalcAction>(code < 64 ? code : code % CalcActionCount);
    const Outcome outcome = Attempt([&] { calculator.SetAction(action); }, unexpected);
    violation = Checker(before, calculator, separator).Action(action, outcome);
  }
  fuzz::Require(unexpected.empty(), "only the arithmetic's and the conversion's errors",
                unexpected);
  fuzz::Require(violation.empty(), "the state table", violation);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz::Input input(data, size);
  const char separator = input.Choice(2) == 0 ? '.' : ',';
  TCVCalculator calculator;
  calculator.SetSeparators({separator, separator == '.' ? "," : "."});
  LoadCalculatorForm(calculator);
  while (!input.Empty())
    Step(calculator, input, separator);
  return 0;
}
