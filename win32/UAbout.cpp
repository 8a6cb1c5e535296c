#include "win32/UAbout.h"

#include "dialogs/pictures/AboutPictures.h"
#include "platform/ProgramFile.h"
#include "platform/Shell.h"
#include "settings/USet.h"
#include "tallyon/Product.h"
#include "ui/ButtonColors.h"
#include "ui/WindowTexts.h"
#include "win32/Boxes.h"
#include "win32/DxPaint.h"
#include "win32/WideText.h"
#include "win32/Window.h"

#include <algorithm>

namespace {

constexpr wchar_t ClassName[] = L"TAboutBox";
constexpr DWORD Style = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr int ClientWidth = 458, ClientHeight = 291;
constexpr COLORREF Background = RGB(140, 170, 230);
constexpr COLORREF LabelColor = RGB(255, 255, 255);
constexpr COLORREF HoveredLinkColor = RGB(255, 255, 0);
constexpr int NameRightEdge = 443;
constexpr int LinkPixels = 13;
enum : int { LinkURL = 101, LinkMail = 102 };

const std::wstring HomePage = win32::Wide(tallyon::HomePage);
const std::wstring SupportMail = win32::Wide(tallyon::SupportMail);

// A white bold label: `right` true places it by its right edge.
void DrawLabel(HDC dc, const std::wstring& text, int pixels, POINT at, bool right) {
  SelectObject(dc, win32::Font(L"MS Sans Serif", pixels, true));
  RECT place =
      right ? RECT{0, at.y, at.x, ClientHeight} : RECT{at.x, at.y, ClientWidth, ClientHeight};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &place,
            (right ? DT_RIGHT : DT_LEFT) | DT_TOP | DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
}

// The text's size with room for the overhang of a bold face made from a
// regular one, which the extent leaves out (Wine does not even report it).
SIZE TextSize(HWND window, HFONT font, const std::wstring& text) {
  HDC dc = GetDC(window);
  SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  ReleaseDC(window, dc);
  size.cx += std::max(metrics.tmOverhang, 2 * metrics.tmAveCharWidth);
  return size;
}

} // namespace

win32::TAboutBox::TAboutBox(HINSTANCE instance, HWND owner)
    : FOwner(owner), FImage1(Dib(DecodeJpeg(pictures::AboutBannerJpeg()))),
      FImage2(Dib(DecodeJpeg(pictures::AboutPictureJpeg()))) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &WindowProcOf<TAboutBox>;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512)); // IDC_ARROW
  windowClass.lpszClassName = ClassName;
  RegisterClassExW(&windowClass); // fails harmlessly from the second box on

  RECT frame{0, 0, ClientWidth, ClientHeight};
  AdjustWindowRectEx(&frame, Style, FALSE, WS_EX_DLGMODALFRAME);
  const int width = frame.right - frame.left, height = frame.bottom - frame.top;
  CreateWindowExW(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, ClassName, L"About", Style,
                  (GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                  (GetSystemMetrics(SM_CYSCREEN) - height) / 2, width, height, owner, nullptr,
                  instance, this);
  BuildControls(instance);
}

win32::TAboutBox::~TAboutBox() {
  if (FHandle) DestroyWindow(FHandle);
  if (FLinkFont) DeleteObject(FLinkFont);
}

// The OK button and the two links are owner-drawn buttons: windows of their
// own, so that Tab reaches them and Space presses them.
void win32::TAboutBox::BuildControls(HINSTANCE instance) {
  FLinkFont = CreateFontW(-LinkPixels, 0, 0, 0, FW_BOLD, FALSE, TRUE, FALSE, DEFAULT_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                          DEFAULT_PITCH, L"MS Sans Serif");
  const auto button = [&](const std::wstring& text, POINT at, SIZE size, int id) {
    return CreateWindowExW(
        0, L"BUTTON", text.c_str(), WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, at.x, at.y,
        size.cx, size.cy, FHandle, reinterpret_cast<HMENU>(INT_PTR(id)), instance, nullptr);
  };
  FDxButton1 = button(L"OK", {367, 255}, {73, 25}, IDOK);
  // A link stands at its place unless its address is too long for the box;
  // a longer one ends at the right edge of the name above instead.
  const auto link = [&](const std::wstring& text, POINT at, int id) {
    const SIZE size = TextSize(FHandle, FLinkFont, text);
    at.x = std::max(0L, std::min(at.x, LONG{NameRightEdge} - size.cx));
    return button(text, at, {size.cx + 2, size.cy + 2}, id);
  };
  FLbURL = link(HomePage, {273, 183}, LinkURL);
  FLbMail = link(SupportMail, {279, 203}, LinkMail);
  SetFocus(FDxButton1);
}

void win32::TAboutBox::FormCreate() {
  FFileVersionInfo.SetFilename(platform::ProgramFilePath());
  FName = Wide(FFileVersionInfo.ProductName());
  FVersion = Wide(ui::AboutVersionLine(FFileVersionInfo.FileVersion()));
  FCopyright = Wide(FFileVersionInfo.LegalCopyright());
  if (USet::StayOnTop)
    SetWindowPos(FHandle, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void win32::TAboutBox::ShowModal() {
  EnableWindow(FOwner, FALSE);
  ShowWindow(FHandle, SW_SHOW);
  SetFocus(FDxButton1);
  MSG message;
  while (!FClosed) {
    if (GetMessageW(&message, nullptr, 0, 0) <= 0) {
      PostQuitMessage(static_cast<int>(message.wParam)); // for the owner's loop
      break;
    }
    if (!IsDialogMessageW(FHandle, &message)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
  // The owner is enabled before the box goes, so that it takes the focus back.
  EnableWindow(FOwner, TRUE);
  ShowWindow(FHandle, SW_HIDE);
  SetActiveWindow(FOwner);
}

void win32::TAboutBox::Close() {
  FClosed = true;
}

LRESULT win32::TAboutBox::Handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
  case WM_PAINT: PaintWindow(FHandle, [this](HDC dc) { Paint(dc); }); return 0;
  case WM_ERASEBKGND: return 1; // Paint covers every pixel
  case WM_DRAWITEM: DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(l)); return TRUE;
  case WM_SETCURSOR: {
    // Asked of the box for every control under the pointer: the links
    // show the hand and turn yellow, anything else turns them white.
    const auto under = reinterpret_cast<HWND>(w);
    const bool link = under == FLbURL || under == FLbMail;
    SetHotLink(link ? under : nullptr);
    if (!link) break;
    SetCursor(LoadCursorW(nullptr, MAKEINTRESOURCEW(32649))); // IDC_HAND
    return TRUE;
  }
  case WM_COMMAND:
    switch (LOWORD(w)) {
    case IDOK:
    case IDCANCEL: Close(); return 0;
    case LinkURL:
    case LinkMail: OpenLink(reinterpret_cast<HWND>(l)); return 0;
    }
    break;
  case WM_CLOSE: Close(); return 0;
  }
  return DefWindowProcW(FHandle, message, w, l);
}

void win32::TAboutBox::SetHotLink(HWND link) {
  if (link == FHotLink) return;
  if (FHotLink) InvalidateRect(FHotLink, nullptr, FALSE);
  FHotLink = link;
  if (FHotLink) InvalidateRect(FHotLink, nullptr, FALSE);
}

// A link that the shell cannot open says why in the error box; the box
// stays open.
void win32::TAboutBox::OpenLink(HWND link) const {
  const std::string address = link == FLbURL ? std::string(tallyon::HomePage)
                                             : std::string("mailto:") + tallyon::SupportMail;
  if (const std::error_code error = platform::OpenWithShell(address))
    ShowErrorBox(FHandle, error.message());
}

win32::TAboutBox::TDibPicture win32::TAboutBox::Dib(const TRgbPicture& picture) {
  TDibPicture dib{picture.Width, picture.Height, {}};
  const std::size_t width = static_cast<std::size_t>(picture.Width);
  const std::size_t stride = (width * 3 + 3) / 4 * 4;
  dib.Bits.resize(stride * static_cast<std::size_t>(picture.Height));
  for (std::size_t row = 0; row < static_cast<std::size_t>(picture.Height); ++row)
    for (std::size_t x = 0; x < width; ++x)
      for (std::size_t channel = 0; channel < 3; ++channel)
        dib.Bits[row * stride + x * 3 + channel] = picture.Rgb[(row * width + x) * 3 + 2 - channel];
  return dib;
}

void win32::TAboutBox::Draw(HDC dc, const TDibPicture& picture, POINT at) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = picture.Width;
  info.bmiHeader.biHeight = -picture.Height; // the top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc, at.x, at.y, DWORD(picture.Width), DWORD(picture.Height), 0, 0, 0,
                    UINT(picture.Height), picture.Bits.data(), &info, DIB_RGB_COLORS);
}

void win32::TAboutBox::Paint(HDC dc) const {
  RECT client{0, 0, ClientWidth, ClientHeight};
  HBRUSH background = CreateSolidBrush(Background);
  FillRect(dc, &client, background);
  DeleteObject(background);
  Draw(dc, FImage1, {-2, -2});
  Draw(dc, FImage2, {26, 124});
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, LabelColor);
  DrawLabel(dc, FName, 19, {NameRightEdge, 106}, true);
  DrawLabel(dc, FVersion, 16, {442, 134}, true);
  DrawLabel(dc, L"freeware", 11, {442, 156}, true);
  DrawLabel(dc, FCopyright, 11, {25, 261}, false);
}

// The OK button as the widget set's push button; a link as its underlined
// text on the box's blue, yellow under the pointer, with the focus ring.
void win32::TAboutBox::DrawItem(const DRAWITEMSTRUCT& item) const {
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  if (item.hwndItem == FDxButton1) {
    TdxButton button;
    button.Place = item.rcItem;
    button.Caption = L"OK";
    button.Down = (item.itemState & ODS_SELECTED) != 0;
    button.Hot = focused;
    button.Paint(item.hDC);
  } else {
    HBRUSH background = CreateSolidBrush(Background);
    FillRect(item.hDC, &item.rcItem, background);
    DeleteObject(background);
    const std::wstring& text = item.hwndItem == FLbURL ? HomePage : SupportMail;
    RECT place = item.rcItem;
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, item.hwndItem == FHotLink ? HoveredLinkColor : LabelColor);
    SelectObject(item.hDC, FLinkFont);
    DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &place,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  }
  if (focused) {
    RECT ring = item.rcItem;
    InflateRect(&ring, -1, -1);
    if (item.hwndItem == FDxButton1) InflateRect(&ring, -2, -2);
    DrawFocusRect(item.hDC, &ring);
  }
}
