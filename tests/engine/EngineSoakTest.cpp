// Random actions through the engine, each checked against the state table
// (tests/support/EngineModel.h), with now and then a value or memory text
// from outside. TALLYON_SOAK_ACTIONS sets their number (ten million for the
// soak run; the default suite runs 200,000) and TALLYON_SOAK_SEED the seed.
// Only the arithmetic's messages and the conversion error may come out, and
// after the first tenth of the run the resident memory may not grow.

#include "engine/CalculatorForm.h"
#include "tests/support/EngineModel.h"
#include "tests/support/Soak.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

using namespace engine;

namespace {

using namespace enginemodel;

// Texts from outside: empty, unreadable, huge, tiny, long, with junk.
std::vector<std::string> OutsideTexts() {
  return {"",
          "abc",
          "12.5",
          "-0",
          "1E4931",
          "1.5E4932",
          "-3.6E-4951",
          "1e5e5",
          "3-4",
          "$ 1,234.50",
          std::string(5000, '9'),
          "0." + std::string(600, '0') + "1",
          "1E" + std::string(700, '0') + "7",
          "1.5E" + std::string(30, '9'),
          std::string("\xff\xfe"
                      "7\0"
                      "8",
                      5)};
}

// Digits and the operations most, the rest now and then.
TCalcAction RandomAction(std::mt19937_64& random) {
  const int roll = std::uniform_int_distribution<int>(0, 99)(random);
  const auto pick = [&](int first, int last) {
    return static_cast<TCalcAction>(std::uniform_int_distribution<int>(first, last)(random));
  };
  if (roll < 38) return pick(ca0, ca9);
  if (roll < 41) return caDecSep;
  if (roll < 55) return pick(caPlus, caDivide);
  if (roll < 63) return caEqual;
  if (roll < 70) return pick(caSqrt, caSignChange);
  if (roll < 73) return pick(caClear, caBackSpace);
  if (roll < 80) return pick(caMemPlus, caMemClear);
  if (roll < 98) return pick(caSin, caPI);
  return static_cast<TCalcAction>(std::uniform_int_distribution<int>(58, 255)(random));
}

TEST(EngineSoak, RandomActionsFollowTheStateTableWithoutGrowing) {
  const long actions = soak::Setting("TALLYON_SOAK_ACTIONS", 200000);
  std::mt19937_64 random(std::uint64_t(soak::Setting("TALLYON_SOAK_SEED", 20240601)));
  const std::vector<std::string> texts = OutsideTexts();
  TCVCalculator calculator;
  LoadCalculatorForm(calculator);
  std::map<std::string, long> errors;
  long residentAfterWarmUp = 0;
  for (long step = 0; step < actions; ++step) {
    if (step == actions / 10) residentAfterWarmUp = soak::ResidentKiB();
    const Snapshot before = Snapshot::Of(calculator);
    std::string unexpected, violation;
    const int roll = std::uniform_int_distribution<int>(0, 999)(random);
    const std::string& text = texts[std::size_t(roll) % texts.size()];
    if (roll < 10) {
      const Outcome outcome = Attempt([&] { calculator.SetValue(text); }, unexpected);
      violation = Checker(before, calculator, '.').SetValue(text, outcome);
    } else if (roll < 15) {
      calculator.Memory().SetValue(text);
    } else if (roll < 20) {
      calculator.SetAngularMeasure(static_cast<TAngularMeasure>(roll % 4));
    } else {
      const TCalcAction action = RandomAction(random);
      const Outcome outcome = Attempt([&] { calculator.SetAction(action); }, unexpected);
      violation = Checker(before, calculator, '.').Action(action, outcome);
      if (outcome.failure == Failure::Math) ++errors[outcome.message];
      if (outcome.failure == Failure::Convert) ++errors["(conversion)"];
    }
    ASSERT_EQ(unexpected, "") << "step " << step;
    ASSERT_EQ(violation, "") << "step " << step << ", value before: " << before.value;
  }
  EXPECT_GT(errors.size(), 3u) << "the run should meet several kinds of error";
  soak::Conclude("engine", actions, errors, residentAfterWarmUp, 2048);
}

} // namespace
