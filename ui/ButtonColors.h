#pragma once
// The colour set of a push button, with the widget set's own colours as the
// defaults, and the colour groups of the calculator's keys: red for commands,
// green for digits and functions, and the submit dialog's blue-grey Help key.

#include "ui/Color.h"

namespace ui {

struct TButtonColors {
  TRgb BackgroundFrom{255, 255, 255}; // the face gradient, top
  TRgb BackgroundTo{239, 235, 231};   // and bottom
  TRgb ClickedFrom{214, 207, 198};    // the face gradient while pressed
  TRgb ClickedTo{247, 243, 235};
  TRgb FocusedFrom{206, 231, 255}; // the ring gradient while focused or default
  TRgb FocusedTo{109, 132, 239};
  TRgb HighlightFrom{255, 243, 206}; // the ring gradient under the pointer
  TRgb HighlightTo{231, 150, 0};
  TRgb BorderLine{128, 128, 128};
  TRgb HotTrack{255, 0, 0}; // the caption under the pointer, with HotTrack on
  friend constexpr bool operator==(const TButtonColors&, const TButtonColors&) = default;
};

} // namespace ui

enum class TKeyGroup { Red, Green, Help };

namespace ui {

// The widget set's colours with the group's own over them.
TButtonColors KeyColors(TKeyGroup group);

} // namespace ui
