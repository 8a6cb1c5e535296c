// The keypad's named handlers: every key has its own, a click on the key
// and a bound key of the keyboard run it, and it does the key's action.

#include "app/UCalc.h"
#include "engine/CalculatorForm.h"
#include "tests/app/WindowFixture.h"
#include "ui/Keypad.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

using apptest::Window;

TEST(KeyHandlers, EveryKeyOfTheKeypadHasItsOwn) {
  std::vector<TFCalc::TKeyHandler> seen;
  for (const ui::TKeyLayout& key : ui::KeypadKeys) {
    const TFCalc::TKeyHandler handler = TFCalc::KeyHandler(key.Name);
    EXPECT_NE(handler, nullptr) << key.Name;
    for (const TFCalc::TKeyHandler other : seen)
      EXPECT_NE(handler, other) << key.Name << " shares its handler";
    seen.push_back(handler);
  }
  for (const char* other : {"btSin", "btRad", "PanelIndicator", "btplus", ""})
    EXPECT_EQ(TFCalc::KeyHandler(other), nullptr) << other;
}

// What the engine holds, as far as a key can change it.
using EngineState = std::tuple<std::string, std::string, TCalcOperation, Extended, Extended,
                               Extended, bool, bool, bool>;

EngineState StateOf(const TCVCalculator& c) {
  return {c.Value(),       c.Memory().Cell(c.Memory().ActiveCell()),
          c.Operation(),   c.Number(),
          c.Accumulator(), c.LastOperand(),
          c.Entering(),    c.AwaitingOperand(),
          c.EqualEnabled()};
}

// A memory of 9 and 12 being typed as the right operand of 3 +: from here
// every key of the keypad leaves the engine in a state of its own.
const char* const Start[] = {"btClear", "btMemClear", "bt9", "btMemPlus", "btClear",
                             "bt3",     "btPlus",     "bt1", "bt2"};

TCalcAction ActionOf(const std::string& name) {
  for (const ui::TKeyLayout& key : ui::KeypadKeys)
    if (key.Name == name) return key.Action;
  throw std::invalid_argument("no key " + name);
}

// The engine as the window's layout creates it, after Start and the action.
EngineState AfterStartAnd(TCalcAction action) {
  TCVCalculator engine;
  engine::LoadCalculatorForm(engine);
  for (const char* key : Start)
    engine.SetAction(ActionOf(key));
  engine.SetAction(action);
  return StateOf(engine);
}

// A click on the key, a key of the keyboard bound to its action and a call
// of its handler.
TEST_F(Window, EveryRoadOfAKeyDoesItsAction) {
  Open();
  const auto start = [this] {
    for (const char* key : Start)
      (window.get()->*TFCalc::KeyHandler(key))();
  };
  std::set<EngineState> outcomes;
  for (const ui::TKeyLayout& key : ui::KeypadKeys) {
    const EngineState expected = AfterStartAnd(key.Action);
    outcomes.insert(expected);
    start();
    Click(key.Name);
    EXPECT_EQ(StateOf(window->Calculator()), expected) << "a click on " << key.Name;
    start();
    // The clicked key would take Enter for itself.
    window->MainIndicator().setFocus();
    ASSERT_TRUE(Perform(std::string(engine::ActionName(key.Action))));
    EXPECT_EQ(StateOf(window->Calculator()), expected) << "the keyboard's " << key.Name;
    start();
    (window.get()->*TFCalc::KeyHandler(key.Name))();
    EXPECT_EQ(StateOf(window->Calculator()), expected) << key.Name << "Click";
  }
  EXPECT_EQ(outcomes.size(), ui::KeypadKeys.size()) << "two keys leave the same state";
}

} // namespace
