#include "win32/Boxes.h"

#include "ui/WindowTexts.h"
#include "win32/WideText.h"

int win32::ShowBox(HWND owner, const std::string& text, UINT style) {
  return MessageBoxW(owner, Wide(text).c_str(), L"Tallyon", style);
}

void win32::ShowErrorBox(HWND owner, const std::string& message) {
  ShowBox(owner, ui::ErrorBoxText(message), MB_ICONERROR | MB_OK);
}
