#include "widgets/look/KeyColors.h"

namespace {

// The face runs from a light tint to a deeper one, and to a deeper one still
// while the key has the focus; the border line is the group's pure colour.
void ApplyTint(TdxColors& colors, QColor light, QColor face, QColor focused, QColor border) {
  colors.SetBackgroundFrom(light);
  colors.SetBackgroundTo(face);
  colors.SetFocusedFrom(light);
  colors.SetFocusedTo(focused);
  colors.SetBorderLine(border);
}

} // namespace

void look::ApplyKeyColors(TdxButton& button, TKeyGroup group) {
  TdxColors& colors = button.Colors();
  switch (group) {
  case TKeyGroup::Red:
    ApplyTint(colors, {255, 206, 207}, {255, 155, 157}, {255, 91, 96}, {255, 0, 0});
    break;
  case TKeyGroup::Green:
    ApplyTint(colors, {210, 232, 220}, {158, 205, 180}, {109, 180, 142}, {0, 128, 0});
    break;
  case TKeyGroup::Help:
    colors.SetBackgroundFrom({123, 150, 173});
    colors.SetBackgroundTo(Qt::white);
    colors.SetClickedFrom({192, 192, 192});
    colors.SetClickedTo({123, 150, 173});
    break;
  }
}
