#pragma once
// The window's widget set, drawn with GDI from ui/'s colour sets and
// gradient bands: TdxButton (a key), TmxFlatPanel (a white panel with a
// sky-blue ring and a caption) and TdxContainer (the face behind them).
// They are not windows of their own: the calculator window lays them out,
// draws them into one off-screen bitmap and hit-tests the pointer.

#include "ui/ButtonColors.h"
#include "ui/Gradient.h"
#include "ui/Keypad.h"

#include <windows.h>

#include <string>

namespace win32 {

COLORREF Color(ui::TRgb rgb);
// A place of the tables, moved by the origin of the area that holds it.
RECT Place(ui::TRect place, POINT origin = {0, 0});
bool Contains(const RECT& rect, POINT point);

// The gradient's bands, one FillRect each, from the top of `rect` down.
void FillGradient(HDC dc, const RECT& rect, ui::TRgb from, ui::TRgb to,
                  TdxQuality quality = bqMiddle);

// The fonts of the window, made once: the typeface at a pixel height.
HFONT Font(const wchar_t* typeface, int pixels, bool bold);

struct TdxButton {
  RECT Place{};
  std::wstring Caption;
  ui::TButtonColors Colors;
  int CaptionPixels = 11;
  bool Down = false; // pressed under the pointer
  bool Hot = false;  // the pointer is over it
  bool Checked = false;

  void Paint(HDC dc) const;
};

struct TmxFlatPanel {
  RECT Place{};
  std::wstring Caption;
  HFONT CaptionFont = nullptr;

  void Paint(HDC dc) const;
};

void PaintContainer(HDC dc, const RECT& rect);

} // namespace win32
