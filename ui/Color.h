#pragma once
// A colour of the window's look as its three channels, 0 to 255, so that the
// tables hold it without a toolkit and each shell turns it into its own.

namespace ui {

struct TRgb {
  int Red = 0, Green = 0, Blue = 0;
  friend constexpr bool operator==(const TRgb&, const TRgb&) = default;
};

} // namespace ui
