#include "widgets/KeyColors.h"

void ApplyKeyColors(TdxButton& button, TKeyGroup group) {
  const bool green = group == TKeyGroup::Green;
  TdxColors& colors = button.Colors();
  colors.SetBackgroundFrom(green ? QColor(210, 232, 220) : QColor(255, 206, 207));
  colors.SetBackgroundTo(green ? QColor(158, 205, 180) : QColor(255, 155, 157));
  colors.SetFocusedFrom(green ? QColor(210, 232, 220) : QColor(255, 206, 207));
  colors.SetFocusedTo(green ? QColor(109, 180, 142) : QColor(255, 91, 96));
  colors.SetBorderLine(green ? QColor(0, 128, 0) : QColor(255, 0, 0));
}
