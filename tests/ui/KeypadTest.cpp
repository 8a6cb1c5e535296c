#include "ui/Keypad.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace ui;

namespace {

bool Overlap(TRect a, TRect b) {
  return a.Left < b.Left + b.Width && b.Left < a.Left + a.Width && a.Top < b.Top + b.Height &&
         b.Top < a.Top + a.Height;
}

bool Inside(TRect inner, TRect outer) {
  return inner.Left >= 0 && inner.Top >= 0 && inner.Left + inner.Width <= outer.Width &&
         inner.Top + inner.Height <= outer.Height;
}

// Every key of a table has its own name and action, lies inside its area and
// covers no other key.
template <typename Keys> void ExpectDistinctKeysInside(const Keys& keys, TRect area) {
  std::set<std::string> names;
  std::set<int> actions;
  for (const TKeyLayout& key : keys) {
    EXPECT_TRUE(names.insert(key.Name).second) << key.Name;
    EXPECT_TRUE(actions.insert(key.Action).second) << key.Name;
    EXPECT_TRUE(Inside(key.Place, area)) << key.Name;
    for (const TKeyLayout& other : keys) {
      if (&other == &key) continue;
      EXPECT_FALSE(Overlap(key.Place, other.Place)) << key.Name << " " << other.Name;
    }
  }
}

TEST(Keypad, EveryKeyHasItsOwnActionAndPlace) {
  ExpectDistinctKeysInside(KeypadKeys, KeypadArea);
  // Below the value panel, which spans the area's width.
  for (const TKeyLayout& key : KeypadKeys)
    EXPECT_FALSE(Overlap(key.Place, ValuePanel)) << key.Name;
}

TEST(Keypad, HoldsTheTenDigitsAndTheWindowsKeys) {
  std::set<int> actions;
  for (const TKeyLayout& key : KeypadKeys)
    actions.insert(key.Action);
  for (int digit = ca0; digit <= ca9; ++digit)
    EXPECT_TRUE(actions.count(digit)) << digit;
  for (TCalcAction action : {caPlus, caMinus, caMulty, caDivide, caEqual, caSignChange, caClear,
                             caClearEntr, caBackSpace, caPerCent, caInverse, caSqrt, caDecSep,
                             caMemClear, caMemRecall, caMemPlus, caMemMinus})
    EXPECT_TRUE(actions.count(action)) << action;
}

TEST(FunctionsPanel, KeysFitTheFrameBesideTheAngleRow) {
  const TRect client{0, 0, FunctionFrame.Width, FunctionFrame.Height};
  ExpectDistinctKeysInside(FunctionKeys, client);
  for (const TAngleKey& angle : AngleKeys) {
    EXPECT_TRUE(Inside(angle.Place, client)) << angle.Name;
    for (const TKeyLayout& key : FunctionKeys)
      EXPECT_FALSE(Overlap(angle.Place, key.Place)) << angle.Name << " " << key.Name;
  }
  // The wide window holds the keypad and the panel side by side.
  EXPECT_EQ(FunctionArea.Left, KeypadArea.Width);
  EXPECT_LE(FunctionArea.Left + FunctionArea.Width, WideWidth);
  EXPECT_LE(KeypadArea.Width, NarrowWidth);
}

} // namespace
