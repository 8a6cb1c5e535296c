#pragma once
// The tables' places (ui/Keypad.h) as the toolkit's rectangles.

#include "ui/Keypad.h"

#include <QRect>

namespace app {

inline QRect Rect(ui::TRect place) {
  return {place.Left, place.Top, place.Width, place.Height};
}

} // namespace app
