// Tallyon: the calculator window on Windows.

#include "engine/NumberText.h"
#include "platform/Locale.h"
#include "win32/UCalc.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  const platform::LocaleNumberFormat locale = platform::UserNumberFormat();
  win32::TFCalc window(instance, show,
                       engine::SeparatorsFrom(locale.decimalSeparator, locale.thousandsSeparator));
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
