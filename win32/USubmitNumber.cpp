#include "win32/USubmitNumber.h"

#include "win32/DxPaint.h"
#include "win32/WideText.h"
#include "win32/Window.h"

#include <algorithm>

namespace {

constexpr wchar_t ClassName[] = L"TFSubmitNumber";
constexpr DWORD Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr SIZE Client{408, 226};
constexpr WORD HelpId = 3;

// The two frames and their captions, drawn around the controls.
constexpr RECT PreviewGroup{4, 6, 404, 60};
constexpr RECT InputGroup{4, 70, 404, 179};
constexpr RECT PreviewPanel{10, 24, 396, 50};

HFONT DialogFont() {
  return win32::Font(L"MS Sans Serif", 11, false);
}

HWND MakeControl(HWND parent, const wchar_t* kind, const wchar_t* text, DWORD style, RECT place,
                 WORD id, HFONT font) {
  HWND control =
      CreateWindowExW(kind == std::wstring_view(L"EDIT") ? WS_EX_CLIENTEDGE : 0, kind, text,
                      WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, place.left, place.top,
                      place.right - place.left, place.bottom - place.top, parent,
                      reinterpret_cast<HMENU>(UINT_PTR(id)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return control;
}

void DrawGroup(HDC dc, RECT frame, const wchar_t* caption) {
  frame.top += 6;
  DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
  TextOutW(dc, frame.left + 8, frame.top - 6, caption, int(wcslen(caption)));
}

void Label(HDC dc, int x, int y, const wchar_t* text) {
  SetBkMode(dc, TRANSPARENT);
  TextOutW(dc, x, y, text, int(wcslen(text)));
}

std::wstring TextOf(HWND field) {
  std::wstring text(std::size_t(GetWindowTextLengthW(field)) + 1, L'\0');
  text.resize(std::size_t(GetWindowTextW(field, text.data(), int(text.size()))));
  return text;
}

} // namespace

win32::TFSubmitNumber::TFSubmitNumber(HWND owner, const engine::NumberSeparators& separators)
    : FOwner(owner), FNumber(separators) {
  FPreviewIndicator.Place = {111, 29, 388, 49};
  FPreviewIndicator.SetSeparators(separators);
  FPreviewIndicator.SetThouSep(true); // grouped whatever the main window's setting says
}

std::optional<std::string> win32::TFSubmitNumber::Execute(const std::string& value,
                                                          bool stayOnTop) {
  FNumber.Start(value);
  FPreviewIndicator.SetText(FNumber.WorkingValue());
  Build(stayOnTop);
  RunModal();
  if (!FSubmitted) return std::nullopt;
  return FNumber.WorkingValue();
}

void win32::TFSubmitNumber::Build(bool stayOnTop) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &WindowProcOf<TFSubmitNumber>;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
  windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
  windowClass.lpszClassName = ClassName;
  RegisterClassExW(&windowClass); // fails harmlessly from the second time on

  RECT frame{0, 0, Client.cx, Client.cy};
  const DWORD exStyle = WS_EX_DLGMODALFRAME | (stayOnTop ? WS_EX_TOPMOST : 0);
  AdjustWindowRectEx(&frame, Style, FALSE, exStyle);
  CreateWindowExW(exStyle, ClassName, L"Submit", Style, 288, 196, frame.right - frame.left,
                  frame.bottom - frame.top, FOwner, nullptr, GetModuleHandleW(nullptr), this);

  // Made in their tab order: the buttons, then the input.
  const HFONT font = DialogFont();
  MakeControl(FHandle, L"BUTTON", L"Submit", BS_DEFPUSHBUTTON, {196, 193, 261, 218}, IDOK, font);
  MakeControl(FHandle, L"BUTTON", L"Cancel", BS_PUSHBUTTON, {267, 193, 332, 218}, IDCANCEL, font);
  MakeControl(FHandle, L"BUTTON", L"Help", BS_PUSHBUTTON, {338, 193, 403, 218}, HelpId, font);
  const HFONT bold = Font(L"MS Sans Serif", 11, true);
  FEditMantissa = MakeControl(FHandle, L"EDIT", L"", ES_AUTOHSCROLL, {12, 134, 243, 155}, 0, bold);
  FEditExponent = MakeControl(FHandle, L"EDIT", L"", ES_AUTOHSCROLL, {294, 111, 383, 132}, 0, bold);
  for (HWND field : {FEditMantissa, FEditExponent}) {
    SendMessageW(field, EM_SETLIMITTEXT, 0, 0); // as long as the user likes
  }
  SetWindowTextW(FEditMantissa, Wide(FNumber.Mantissa()).c_str());
  SetWindowTextW(FEditExponent, Wide(FNumber.Exponent()).c_str());
}

// The owner is disabled while the dialog shows; Tab, Enter and Esc are the
// dialog's keys, as in any Windows dialog.
void win32::TFSubmitNumber::RunModal() {
  EnableWindow(FOwner, FALSE);
  ShowWindow(FHandle, SW_SHOW);
  SetFocus(FEditMantissa);
  SendMessageW(FEditMantissa, EM_SETSEL, 0, -1);
  MSG message{};
  bool quit = false;
  while (!FDone) {
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
      quit = true;
      break;
    }
    if (!IsDialogMessageW(FHandle, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  // The owner comes back first, so that it is the one activated.
  EnableWindow(FOwner, TRUE);
  DestroyWindow(FHandle);
  if (quit) PostQuitMessage(int(message.wParam));
}

LRESULT win32::TFSubmitNumber::Handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
  case WM_PAINT: PaintWindow(FHandle, [this](HDC dc) { Paint(dc); }); return 0;
  case WM_COMMAND: Command(LOWORD(w), HIWORD(w), reinterpret_cast<HWND>(l)); return 0;
  case DM_GETDEFID: return MAKELRESULT(IDOK, DC_HASDEFID);
  case WM_CLOSE: FDone = true; return 0;
  case WM_NCDESTROY: SetWindowLongPtrW(FHandle, GWLP_USERDATA, 0); break;
  }
  return DefWindowProcW(FHandle, message, w, l);
}

// Help, as in the Qt dialog, has nothing to show yet.
void win32::TFSubmitNumber::Command(WORD id, WORD notification, HWND control) {
  if (notification == EN_CHANGE && (control == FEditMantissa || control == FEditExponent)) {
    FieldChanged(control);
  } else if (id == IDOK) {
    FSubmitted = true;
    FDone = true;
  } else if (id == IDCANCEL) {
    FDone = true;
  }
}

// Every change of a field's text, the dialog's own rewrites included: the
// rewrite reports a change again, and that run finds nothing to correct.
void win32::TFSubmitNumber::FieldChanged(HWND field) {
  const std::wstring typed = TextOf(field);
  const bool mantissa = field == FEditMantissa;
  const std::string utf8 = Utf8(typed);
  const bool taken = mantissa ? FNumber.EditMantissa(utf8) : FNumber.EditExponent(utf8);
  if (taken) {
    FPreviewIndicator.SetText(FNumber.WorkingValue());
    InvalidateRect(FHandle, &PreviewPanel, FALSE);
  }
  const std::wstring part = Wide(mantissa ? FNumber.Mantissa() : FNumber.Exponent());
  if (part == typed) return;
  // The caret goes back to where the user was typing, as far from the end
  // as it was.
  DWORD caret = 0;
  SendMessageW(field, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
  const auto fromEnd = static_cast<std::ptrdiff_t>(typed.size()) - std::ptrdiff_t(caret);
  SetWindowTextW(field, part.c_str());
  const auto at = std::clamp<std::ptrdiff_t>(std::ptrdiff_t(part.size()) - fromEnd, 0,
                                             std::ptrdiff_t(part.size()));
  SendMessageW(field, EM_SETSEL, WPARAM(at), LPARAM(at));
}

void win32::TFSubmitNumber::Paint(HDC dc) const {
  SelectObject(dc, DialogFont());
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  DrawGroup(dc, PreviewGroup, L"Preview");
  DrawGroup(dc, InputGroup, L"Submit");
  Label(dc, 14, 114, L"Mantissa:");
  Label(dc, 294, 92, L"Exponent:");

  // The multiplication sign, an 8 by 8 cross, and the base.
  HGDIOBJ pen = SelectObject(dc, GetStockObject(BLACK_PEN));
  MoveToEx(dc, 257, 140, nullptr);
  LineTo(dc, 265, 148);
  MoveToEx(dc, 264, 140, nullptr);
  LineTo(dc, 256, 148);
  SelectObject(dc, pen);
  SelectObject(dc, Font(L"Arial", 16, true));
  Label(dc, 270, 134, L"10");

  RECT panel = PreviewPanel;
  FillRect(dc, &panel, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawEdge(dc, &panel, BDR_SUNKENOUTER, BF_RECT);
  FPreviewIndicator.Paint(dc, Font(L"MS Sans Serif", 11, true));
}
