// The window's core: its making, the layout from ui/'s tables, painting,
// the pointer and the keys.

#include "win32/UCalc.h"

#include "engine/CalculatorForm.h"
#include "engine/StoredNumber.h"
#include "settings/USet.h"
#include "ui/WindowTexts.h"
#include "win32/Boxes.h"
#include "win32/WideText.h"
#include "win32/Window.h"

#include <windowsx.h>

#include <algorithm>
#include <utility>

namespace {

constexpr wchar_t ClassName[] = L"TFCalc";
// The keys are painted into the window; its one child window, the tape, is
// left out of that painting.
constexpr DWORD Style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;

// The tables place the areas below the Qt shell's own menu bar row, which
// the native menu bar replaces outside the client area.
constexpr int MenuRow = ui::KeypadArea.Top;
constexpr int ClientHeight = ui::WindowHeight - MenuRow;

POINT Origin(ui::TRect area) {
  return {area.Left, area.Top - MenuRow};
}

win32::TdxButton MakeKey(const char* caption, ui::TRect place, POINT origin, TKeyGroup group,
                         int captionPixels) {
  win32::TdxButton key;
  key.Place = win32::Place(place, origin);
  key.Caption = win32::Wide(caption);
  key.Colors = ui::KeyColors(group);
  key.CaptionPixels = captionPixels;
  return key;
}

win32::TmxFlatPanel MakePanel(ui::TRect place, POINT origin, const wchar_t* caption, int pixels,
                              bool bold) {
  return {win32::Place(place, origin), caption, win32::Font(L"MS Sans Serif", pixels, bold)};
}

RECT IndicatorIn(const win32::TmxFlatPanel& panel) {
  return win32::Place(ui::IndicatorPlace, {panel.Place.left, panel.Place.top});
}

} // namespace

win32::TFCalc::TFCalc(HINSTANCE instance, int show, engine::NumberSeparators separators) {
  FMainIndicator.SetSeparators(separators);
  FMemoryIndicator.SetSeparators(separators);
  FCalculator.SetSeparators(std::move(separators));
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &WindowProcOf<TFCalc>;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, L"MAINICON");
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
  windowClass.lpszClassName = ClassName;
  RegisterClassExW(&windowClass);

  BuildKeypad();
  BuildFunctions();
  BuildMenus();
  CreateWindowExW(0, ClassName, Wide(ui::WindowCaption).c_str(), Style, CW_USEDEFAULT,
                  CW_USEDEFAULT, 0, 0, nullptr, FMenu, instance, this);
  BuildTape();
  Guarded([this] { FormCreate(); });
  Resize();
  ShowWindow(FHandle, show);
  UpdateWindow(FHandle);
  // The first frame is on screen: the tape's file may take its time now.
  Guarded([this] { LoadTape(); });
}

LRESULT win32::TFCalc::Handle(UINT message, WPARAM w, LPARAM l) {
  const POINT at{GET_X_LPARAM(l), GET_Y_LPARAM(l)};
  switch (message) {
  case WM_PAINT: PaintWindow(FHandle, [this](HDC dc) { Paint(dc); }); return 0;
  case WM_ERASEBKGND: return 1; // the paint covers every pixel
  case WM_LBUTTONDOWN: MouseDown(at); return 0;
  case WM_LBUTTONUP: MouseUp(at); return 0;
  case WM_MOUSEMOVE: MouseMove(at); return 0;
  case WM_MOUSELEAVE: MouseMove({-1, -1}); return 0;
  case WM_KEYDOWN:
    if (FormKeyDown(w)) return 0;
    break;
  case WM_COMMAND:
    if (l != 0 && reinterpret_cast<HWND>(l) == FTapeList)
      TapeListCommand(HIWORD(w));
    else if (HIWORD(w) == 0 && LOWORD(w) < unsigned(TMenuCommand::Count))
      Run(static_cast<TMenuCommand>(LOWORD(w)));
    return 0;
  case WM_SYSCOMMAND:
    if ((w & 0xFFF0) == SC_MINIMIZE && MinimizeToTray()) return 0;
    break;
  case TrayMessage: TrayIconEvent(l); return 0;
  case WM_CLOSE: FormClose(); return 0;
  case WM_DESTROY:
    ShowTrayIcon(false);
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(FHandle, message, w, l);
}

void win32::TFCalc::BuildKeypad() {
  const POINT keypad = Origin(ui::KeypadArea);
  FPanelIndicator = MakePanel(ui::ValuePanel, keypad, L" =", 13, true);
  FMainIndicator.Place = IndicatorIn(FPanelIndicator);
  for (const ui::TKeyLayout& key : ui::KeypadKeys) {
    // The square root's sign is drawn in the Qt shell; here it is a character.
    const char* caption = key.Action == caSqrt ? "\u221A" : key.Caption;
    FKeys.push_back(MakeKey(caption, key.Place, keypad, key.Group, key.CaptionPixels));
    FKeyTargets.emplace_back(key.Action);
  }
  const POINT memory = Origin(ui::MemoryArea);
  FMemoryPanel = MakePanel(ui::MemoryPanel, {memory.x, memory.y}, L" Memory =", 11, false);
  FMemoryIndicator.Place = IndicatorIn(FMemoryPanel);
}

void win32::TFCalc::BuildFunctions() {
  const POINT area = Origin(ui::FunctionArea);
  const POINT frame{area.x + ui::FunctionFrame.Left, area.y + ui::FunctionFrame.Top};
  FFunctionsFrom = FKeys.size();
  for (const ui::TKeyLayout& key : ui::FunctionKeys) {
    FKeys.push_back(MakeKey(key.Caption, key.Place, frame, key.Group, key.CaptionPixels));
    FKeyTargets.emplace_back(key.Action);
  }
  FAnglesFrom = FKeys.size();
  for (const ui::TAngleKey& key : ui::AngleKeys) {
    FKeys.push_back(MakeKey(key.Caption, key.Place, frame, TKeyGroup::Green, 11));
    FKeyTargets.emplace_back(key.Measure);
  }
}

// The client area the Qt shell has below its menu bar, wide with the
// functions panel, tall with the tape; kept on its screen.
void win32::TFCalc::Resize() {
  const int width = USet::Functions ? ui::WideWidth : ui::NarrowWidth;
  RECT frame{0, 0, width, ClientHeight + (USet::Tape ? ui::TapeHeight : 0)};
  AdjustWindowRectEx(&frame, Style, TRUE, 0);
  SetWindowPos(FHandle, nullptr, 0, 0, frame.right - frame.left, frame.bottom - frame.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  PlaceTape(width);
  KeepOnScreen();
  Invalidate();
}

// A window that grew past its screen's work area moves back onto it.
void win32::TFCalc::KeepOnScreen() {
  MONITORINFO monitor{};
  monitor.cbSize = sizeof monitor;
  RECT window;
  if (!GetWindowRect(FHandle, &window) ||
      !GetMonitorInfoW(MonitorFromWindow(FHandle, MONITOR_DEFAULTTONEAREST), &monitor))
    return;
  const RECT& area = monitor.rcWork;
  const LONG dx = std::max(std::min(0L, area.right - window.right), area.left - window.left);
  const LONG dy = std::max(std::min(0L, area.bottom - window.bottom), area.top - window.top);
  if (dx != 0 || dy != 0)
    SetWindowPos(FHandle, nullptr, window.left + dx, window.top + dy, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// A failing step is reported and skips the rest; the window opens all the same.
void win32::TFCalc::FormCreate() {
  engine::LoadCalculatorForm(FCalculator);
  USet::LoadSettings();
  // Stored under any locale, read in this one's form.
  const char decimal = FCalculator.Separators().decimal;
  USet::Value = engine::StoredNumberText(USet::Value, decimal);
  USet::Memory = engine::StoredNumberText(USet::Memory, decimal);
  FMainIndicator.SetThouSep(USet::ThouSep);
  FMemoryIndicator.SetThouSep(USet::ThouSep);
  FCalculator.SetValue(USet::Value);
  FCalculator.Memory().SetValue(USet::Memory);
  UpdateIndicators();
  FCalculator.SetAngularMeasure(static_cast<TAngularMeasure>(USet::AngularMeasure));
  ShowTape();
  ShowChecks();
  ApplyStayOnTop();
  ShowIn(USet::ShowIn);
  const std::string notice = USet::TakeSettingsNotice();
  if (!notice.empty()) ShowErrorBox(FHandle, notice);
}

void win32::TFCalc::UpdateIndicators() {
  FMainIndicator.SetText(FCalculator.Value());
  FMemoryIndicator.SetText(FCalculator.Memory().Value());
  USet::Value = FCalculator.Value();
  USet::Memory = FCalculator.Memory().Value();
  FPanelIndicator.Caption = Wide(ui::OperationSign(FCalculator.Operation()));
  if (FTrayIcon) ShowTrayIcon(true); // the tip shows the value
  for (std::size_t i = FAnglesFrom; i < FKeys.size(); ++i)
    FKeys[i].Checked = std::get<TAngularMeasure>(FKeyTargets[i]) == FCalculator.AngularMeasure();
  Invalidate();
}

// Everything into one bitmap first, then onto the screen: no flicker.
void win32::TFCalc::Paint(HDC screen) const {
  RECT client;
  GetClientRect(FHandle, &client);
  HDC dc = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
  HGDIOBJ previous = SelectObject(dc, bitmap);

  PaintContainer(dc, client);
  FPanelIndicator.Paint(dc);
  FMemoryPanel.Paint(dc);
  HFONT digits = Font(L"MS Sans Serif", 11, true);
  FMainIndicator.Paint(dc, digits);
  FMemoryIndicator.Paint(dc, digits);
  const std::size_t shown = USet::Functions ? FKeys.size() : FFunctionsFrom;
  for (std::size_t i = 0; i < shown; ++i)
    FKeys[i].Paint(dc);

  BitBlt(screen, 0, 0, client.right, client.bottom, dc, 0, 0, SRCCOPY);
  SelectObject(dc, previous);
  DeleteObject(bitmap);
  DeleteDC(dc);
}

void win32::TFCalc::Invalidate() const {
  if (FHandle) InvalidateRect(FHandle, nullptr, FALSE);
}

win32::TdxButton* win32::TFCalc::KeyAt(POINT at) {
  const std::size_t shown = USet::Functions ? FKeys.size() : FFunctionsFrom;
  for (std::size_t i = 0; i < shown; ++i)
    if (Contains(FKeys[i].Place, at)) return &FKeys[i];
  return nullptr;
}

void win32::TFCalc::MouseDown(POINT at) {
  TdxButton* key = KeyAt(at);
  FPanelPressed = !key && Contains(FPanelIndicator.Place, at);
  if (!key) return;
  FPressed = std::size_t(key - FKeys.data());
  key->Down = true;
  SetCapture(FHandle);
  Invalidate();
}

// A key, or the value panel, clicks when the button comes up over what it
// went down on.
void win32::TFCalc::MouseUp(POINT at) {
  if (std::exchange(FPanelPressed, false) && Contains(FPanelIndicator.Place, at))
    Guarded([this] { PanelIndicatorClick(); });
  if (FPressed == SIZE_MAX) return;
  ReleaseCapture();
  const std::size_t pressed = std::exchange(FPressed, SIZE_MAX);
  FKeys[pressed].Down = false;
  Invalidate();
  if (KeyAt(at) == &FKeys[pressed]) Run(FKeyTargets[pressed]);
}

void win32::TFCalc::MouseMove(POINT at) {
  TdxButton* key = KeyAt(at);
  const std::size_t hot = key ? std::size_t(key - FKeys.data()) : SIZE_MAX;
  if (hot == FHot) return;
  if (FHot != SIZE_MAX) FKeys[FHot].Hot = false;
  if (key) key->Hot = true;
  FHot = hot;
  if (FPressed != SIZE_MAX) FKeys[FPressed].Down = FPressed == hot;
  TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, FHandle, 0};
  TrackMouseEvent(&leave);
  Invalidate();
}

// The key's character comes as the WM_CHAR that TranslateMessage has just
// queued behind it, for the window or the tape that has the focus; the key
// table matches the character first.
bool win32::TFCalc::FormKeyDown(WPARAM virtualKey) {
  MSG typed{};
  char32_t character = 0;
  if (PeekMessageW(&typed, nullptr, WM_CHAR, WM_CHAR, PM_REMOVE) && typed.wParam >= 0x20)
    character = static_cast<char32_t>(typed.wParam);
  const ui::TKeyModifiers held{.shift = GetKeyState(VK_SHIFT) < 0,
                               .ctrl = GetKeyState(VK_CONTROL) < 0,
                               .alt = GetKeyState(VK_MENU) < 0};
  const auto target = ui::FindKey(static_cast<int>(virtualKey), held, character, USet::Functions);
  if (!target) return false;
  Run(*target);
  return true;
}

void win32::TFCalc::Run(ui::TKeyTarget target) {
  Guarded([this, target] {
    if (const auto* action = std::get_if<TCalcAction>(&target))
      ButtonClick(*action);
    else if (const auto* measure = std::get_if<TAngularMeasure>(&target))
      SetAngularMeasure(*measure);
    else
      Execute(std::get<TMenuCommand>(target));
  });
}

// The handler of every key: the action, then the refresh. A failing action
// leaves the displays as they were.
void win32::TFCalc::ButtonClick(TCalcAction action) {
  FTape.Before(FCalculator, action, USet::ThouSep);
  FCalculator.SetAction(action);
  UpdateIndicators();
  RecordTape();
}

void win32::TFCalc::SetAngularMeasure(TAngularMeasure measure) {
  FCalculator.SetAngularMeasure(measure);
  USet::AngularMeasure = measure;
  UpdateIndicators();
}

void win32::TFCalc::Guarded(const std::function<void()>& command) {
  try {
    command();
  } catch (const std::exception& error) {
    ShowErrorBox(FHandle, error.what());
  }
}
