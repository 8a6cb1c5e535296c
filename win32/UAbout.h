#pragma once
// TAboutBox: the modal About box on Win32, the Qt shell's twin. It shows the
// two pictures (decoded by dialogs/jpeg, so the same pixels), the program's
// name, version and copyright line from its own version record, the word
// "freeware" and two links, to the maker's home page and to the support
// mail address, which turn yellow under the pointer, take the keyboard
// focus with Tab and open through the shell on a click or Space. OK, Enter,
// Esc and the close box close it. It stores nothing.

#include "dialogs/jpeg/JpegDecoder.h"
#include "dialogs/versioninfo/FileVersionInfo.h"

#include <windows.h>

#include <string>
#include <vector>

namespace win32 {

class TAboutBox {
public:
  // Decodes the pictures (EJpegError, should one be damaged) and makes the
  // box, hidden, centred on the screen, with `owner` as its owner.
  TAboutBox(HINSTANCE instance, HWND owner);
  ~TAboutBox();
  TAboutBox(const TAboutBox&) = delete;
  TAboutBox& operator=(const TAboutBox&) = delete;

  // Reads the running program's record into the labels and makes the box
  // stay on top when the setting StayOnTop is on. Throws EFilerError or
  // EReadError before any label changes.
  void FormCreate();
  // Shows the box and runs its own message loop, the owner disabled, until
  // the box is closed.
  void ShowModal();

private:
  template <class TOwner>
  friend LRESULT CALLBACK WindowProcOf(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);
  void BuildControls(HINSTANCE instance);
  void Paint(HDC dc) const;
  void DrawItem(const DRAWITEMSTRUCT& item) const;
  void SetHotLink(HWND link);
  void OpenLink(HWND link) const;
  void Close();

  HWND FOwner = nullptr;
  HWND FHandle = nullptr;
  HWND FDxButton1 = nullptr, FLbURL = nullptr, FLbMail = nullptr;
  HWND FHotLink = nullptr;
  HFONT FLinkFont = nullptr;
  // A picture as SetDIBitsToDevice takes it: blue, green, red, rows padded
  // to four bytes.
  struct TDibPicture {
    int Width = 0, Height = 0;
    std::vector<unsigned char> Bits;
  };
  static TDibPicture Dib(const TRgbPicture& picture);
  static void Draw(HDC dc, const TDibPicture& picture, POINT at);

  TDibPicture FImage1, FImage2;
  std::wstring FName = L"Product Name", FVersion = L"version 0.0", FCopyright = L"Legal Copyright";
  TFileVersionInfo FFileVersionInfo;
  bool FClosed = false;
};

} // namespace win32
