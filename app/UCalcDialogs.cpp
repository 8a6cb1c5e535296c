// The window's two dialogs: the number submit dialog and the About box.

#include "app/UCalc.h"

void TFCalc::PanelIndicatorClick() {}

void TFCalc::HelpAbout1Execute() {}
