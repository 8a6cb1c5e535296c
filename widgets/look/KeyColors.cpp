#include "widgets/look/KeyColors.h"

void look::ApplyKeyColors(TdxButton& button, TKeyGroup group) {
  button.Colors().Assign(ui::KeyColors(group));
}
