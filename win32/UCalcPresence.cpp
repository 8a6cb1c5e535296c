// Window presence: the taskbar button, the notification-area icon (click,
// double-click, context menu) and stay on top.

#include "settings/USet.h"
#include "ui/Menus.h"
#include "ui/Presence.h"
#include "win32/UCalc.h"
#include "win32/WideText.h"

#include <shellapi.h>

#include <cstring>

namespace {

constexpr UINT IconId = 1;

NOTIFYICONDATAA IconData(HWND window) {
  NOTIFYICONDATAA data{};
  data.cbSize = sizeof data;
  data.hWnd = window;
  data.uID = IconId;
  return data;
}

} // namespace

// The icon's tip is the program's name and the value as the display shows it,
// in the ANSI code page.
void win32::TFCalc::ShowTrayIcon(bool shown) {
  NOTIFYICONDATAA data = IconData(FHandle);
  if (!shown) {
    if (FTrayIcon) Shell_NotifyIconA(NIM_DELETE, &data);
    FTrayIcon = false;
    return;
  }
  data.uFlags = NIF_ICON | NIF_MESSAGE | NIF_TIP;
  data.uCallbackMessage = TrayMessage;
  data.hIcon = reinterpret_cast<HICON>(GetClassLongPtrW(FHandle, GCLP_HICON));
  if (!data.hIcon) data.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512)); // IDI_APPLICATION
  const std::string tip = Ansi("Tallyon " + FMainIndicator.DisplayText());
  strncpy(data.szTip, tip.c_str(), sizeof data.szTip - 1);
  FTrayIcon = Shell_NotifyIconA(FTrayIcon ? NIM_MODIFY : NIM_ADD, &data) != FALSE || FTrayIcon;
}

// The taskbar lists a window unless it is a tool window; the style changes
// while the window is hidden.
void win32::TFCalc::SetTaskbarButton(bool shown) {
  const LONG_PTR style = GetWindowLongPtrW(FHandle, GWL_EXSTYLE);
  const LONG_PTR wanted = shown ? (style & ~WS_EX_TOOLWINDOW) | WS_EX_APPWINDOW
                                : (style & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW;
  if (wanted == style) return;
  const bool visible = IsWindowVisible(FHandle) != FALSE;
  if (visible) ShowWindow(FHandle, SW_HIDE);
  SetWindowLongPtrW(FHandle, GWL_EXSTYLE, wanted);
  if (visible) ShowWindow(FHandle, SW_SHOW);
}

// What is shown comes before what goes, so the window is never without both
// a taskbar button and a tray icon.
void win32::TFCalc::ShowIn(std::int32_t showIn) {
  const ui::TPresenceMode& mode = ui::PresenceModeOf(showIn);
  USet::ShowIn = mode.ShowIn;
  if (mode.TaskbarButton) SetTaskbarButton(true);
  ShowTrayIcon(mode.TrayIcon);
  if (!mode.TaskbarButton) SetTaskbarButton(false);
}

void win32::TFCalc::ApplyStayOnTop() {
  SetWindowPos(FHandle, USet::StayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

// Minimising in the tray-only mode hides the window; the icon brings it back.
bool win32::TFCalc::MinimizeToTray() {
  if (!ui::PresenceModeOf(USet::ShowIn).MinimizeToTray || !FTrayIcon) return false;
  ShowWindow(FHandle, SW_HIDE);
  return true;
}

void win32::TFCalc::RestoreAndRaise() {
  ShowWindow(FHandle, IsIconic(FHandle) || !IsWindowVisible(FHandle) ? SW_RESTORE : SW_SHOW);
  SetForegroundWindow(FHandle);
}

// A click opens the window, a double-click runs the menu's default "Open",
// the right button opens the menu.
void win32::TFCalc::TrayIconEvent(LPARAM event) {
  switch (event) {
  case WM_LBUTTONUP:
  case WM_LBUTTONDBLCLK: RestoreAndRaise(); break;
  case WM_RBUTTONUP:
  case WM_CONTEXTMENU: ShowTrayMenu(); break;
  }
}

void win32::TFCalc::ShowTrayMenu() {
  HMENU menu = CreatePopupMenu();
  for (const std::optional<TMenuCommand>& row : ui::TrayMenuRows) {
    if (row)
      AppendMenuW(menu, MF_STRING, UINT_PTR(*row), Wide(ui::MenuCaption(*row)).c_str());
    else
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  }
  SetMenuDefaultItem(menu, UINT(TMenuCommand::TrayIconOpen), FALSE);
  POINT at;
  GetCursorPos(&at);
  SetForegroundWindow(FHandle); // the menu closes when clicked elsewhere
  TrackPopupMenu(menu, TPM_RIGHTBUTTON, at.x, at.y, 0, FHandle, nullptr);
  PostMessageW(FHandle, WM_NULL, 0, 0);
  DestroyMenu(menu);
}
