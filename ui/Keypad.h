#pragma once
// The calculator window's keys as every shell builds them: the 27 keys of
// the keypad and the keys of the functions panel, each with its control
// name, caption, place, colour group and the engine action it runs, and the
// window's fixed sizes around them. Places are in pixels at ratio 1,
// relative to the area that holds the key.

#include "engine/CalcTypes.h"
#include "ui/ButtonColors.h"

#include <array>
#include <cstddef>

namespace ui {

struct TRect {
  int Left, Top, Width, Height;
  friend constexpr bool operator==(const TRect&, const TRect&) = default;
};

struct TKeyLayout {
  const char* Name;    // the control's name: "btPlus"
  const char* Caption; // UTF-8; empty for the square root's drawn sign
  TRect Place;
  TKeyGroup Group;
  TCalcAction Action;
  // Read out after the caption by assistive technology: what the key does
  // (in the "TFCalc" translation context).
  const char* Description;
  int CaptionPixels = 11; // the bold caption's height
};

// The keypad's keys, left to right and top to bottom.
extern const std::array<TKeyLayout, 27> KeypadKeys;

// Every function action but caPower, which does what caXY does, in the
// order of the actions: five columns of keys in six rows, the first five
// beside the keypad's rows, the last beside the memory display.
extern const std::array<TKeyLayout, caPI - caSin> FunctionKeys;

struct TAngleKey {
  TAngularMeasure Measure;
  const char* Name;
  const char* Caption; // translated, in the "TFCalc" context
  const char* Unit;    // as the value's description names it
  TRect Place;
};

// The angle units' keys in the units' order, in the row beside the value.
extern const std::array<TAngleKey, amCycle + 1> AngleKeys;

// The areas of the window, relative to its client area below the menu bar
// (the menu bar's own row is MenuBarHeight high).
constexpr int MenuBarHeight = 24;
constexpr TRect KeypadArea{0, 20, 257, 171};
constexpr TRect ValuePanel{5, 4, 250, 27}; // in the keypad area
constexpr TRect MemoryArea{0, 191, 257, 31};
constexpr TRect MemoryPanel{4, 2, 250, 27};     // in the memory area
constexpr TRect IndicatorPlace{46, 4, 198, 20}; // a display in its panel
constexpr TRect FunctionArea{257, 20, 263, 205};
constexpr TRect FunctionFrame{3, 4, 255, 197}; // the keys' places are in its client area

// The window's size with the functions panel hidden and shown.
constexpr int NarrowWidth = 260, WideWidth = 520, WindowHeight = 225;

} // namespace ui
