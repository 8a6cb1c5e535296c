// The start-up floor: a bare Win32 window of the calculator's client size
// with 27 system push buttons and no program behind them, built the same
// way as tallyon.exe. What a window with 27 keys costs at the least.

#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, w, l);
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"Floor";
  RegisterClassExW(&windowClass);
  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT frame{0, 0, 260, 205};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  HWND window = CreateWindowExW(0, L"Floor", L"Floor", style, CW_USEDEFAULT, CW_USEDEFAULT,
                                frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                nullptr, instance, nullptr);
  for (int key = 0; key < 27; ++key) {
    const wchar_t caption[] = {wchar_t(L'A' + key), L'\0'};
    CreateWindowExW(0, L"BUTTON", caption, WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 5 + key % 6 * 42,
                    15 + key / 6 * 27, 40, 25, window, nullptr, instance, nullptr);
  }
  ShowWindow(window, show);
  UpdateWindow(window);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}
