#include "ui/ButtonColors.h"

namespace {

// The face runs from a light tint to a deeper one, and to a deeper one still
// while the key has the focus; the border line is the group's pure colour.
ui::TButtonColors Tint(ui::TRgb light, ui::TRgb face, ui::TRgb focused, ui::TRgb border) {
  ui::TButtonColors colors;
  colors.BackgroundFrom = light;
  colors.BackgroundTo = face;
  colors.FocusedFrom = light;
  colors.FocusedTo = focused;
  colors.BorderLine = border;
  return colors;
}

} // namespace

ui::TButtonColors ui::KeyColors(TKeyGroup group) {
  switch (group) {
  case TKeyGroup::Red: return Tint({255, 206, 207}, {255, 155, 157}, {255, 91, 96}, {255, 0, 0});
  case TKeyGroup::Green:
    return Tint({210, 232, 220}, {158, 205, 180}, {109, 180, 142}, {0, 128, 0});
  case TKeyGroup::Help: break;
  }
  TButtonColors colors;
  colors.BackgroundFrom = {123, 150, 173};
  colors.BackgroundTo = {255, 255, 255};
  colors.ClickedFrom = {192, 192, 192};
  colors.ClickedTo = {123, 150, 173};
  return colors;
}
