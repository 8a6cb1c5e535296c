#include "win32/DxPaint.h"

#include <algorithm>
#include <map>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// The face behind the keys and the panels' ring, as the Qt shell has them.
constexpr ui::TRgb ContainerFace{236, 233, 216};
constexpr ui::TRgb PanelRing{166, 202, 240};
constexpr ui::TRgb White{255, 255, 255};

void Frame(HDC dc, const RECT& rect, ui::TRgb color) {
  HBRUSH brush = CreateSolidBrush(win32::Color(color));
  FrameRect(dc, &rect, brush);
  DeleteObject(brush);
}

void Fill(HDC dc, const RECT& rect, ui::TRgb color) {
  HBRUSH brush = CreateSolidBrush(win32::Color(color));
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

constexpr wchar_t AsteriskOperator = 0x2217;

// The typeface a caption is drawn in, and the text: the captions' own for
// ASCII, the "Symbol" asterisk for the multiplication key, else the first
// TrueType face that has every character (the captions' face is a bitmap
// one that has no mathematical signs).
std::pair<HFONT, std::wstring> CaptionFace(HDC dc, const std::wstring& text, int pixels) {
  if (text == std::wstring(1, AsteriskOperator))
    return {win32::Font(L"Symbol", pixels, true), L"*"};
  if (std::all_of(text.begin(), text.end(), [](wchar_t c) { return c < 0x80; }))
    return {win32::Font(L"MS Sans Serif", pixels, true), text};
  for (const wchar_t* typeface : {L"Tahoma", L"Arial", L"DejaVu Sans"}) {
    HFONT font = win32::Font(typeface, pixels, true);
    SelectObject(dc, font);
    std::vector<WORD> glyphs(text.size());
    GetGlyphIndicesW(dc, text.c_str(), static_cast<int>(text.size()), glyphs.data(),
                     GGI_MARK_NONEXISTING_GLYPHS);
    if (std::find(glyphs.begin(), glyphs.end(), WORD(0xFFFF)) == glyphs.end()) return {font, text};
  }
  return {win32::Font(L"Tahoma", pixels, true), text};
}

RECT Inset(RECT rect, int by) {
  InflateRect(&rect, -by, -by);
  return rect;
}

} // namespace

COLORREF win32::Color(ui::TRgb rgb) {
  return static_cast<COLORREF>(rgb.Red | (rgb.Green << 8) | (rgb.Blue << 16));
}

RECT win32::Place(ui::TRect place, POINT origin) {
  const int left = origin.x + place.Left, top = origin.y + place.Top;
  return {left, top, left + place.Width, top + place.Height};
}

bool win32::Contains(const RECT& rect, POINT point) {
  return PtInRect(&rect, point) != FALSE;
}

void win32::FillGradient(HDC dc, const RECT& rect, ui::TRgb from, ui::TRgb to, TdxQuality quality) {
  const int height = rect.bottom - rect.top;
  const auto bands = ui::GradientBands(from, to, height, ui::BandCount(quality));
  for (std::size_t i = 0; i < bands.size(); ++i) {
    const int bottom = i + 1 < bands.size() ? bands[i + 1].FirstRow : height;
    if (bottom <= bands[i].FirstRow) continue; // a later band covers the row
    Fill(dc, {rect.left, rect.top + bands[i].FirstRow, rect.right, rect.top + bottom},
         bands[i].Color);
  }
}

HFONT win32::Font(const wchar_t* typeface, int pixels, bool bold) {
  static std::map<std::tuple<std::wstring, int, bool>, HFONT> made;
  HFONT& font = made[{typeface, pixels, bold}];
  if (!font)
    font = CreateFontW(-pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                       DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                       NONANTIALIASED_QUALITY, DEFAULT_PITCH, typeface);
  return font;
}

// The face gradient inside a border line; a pressed or checked key shows
// the clicked gradient, a hot one the highlight ring.
void win32::TdxButton::Paint(HDC dc) const {
  const bool sunken = Down || Checked;
  const RECT face = Inset(Place, 1);
  if (sunken)
    FillGradient(dc, face, Colors.ClickedFrom, Colors.ClickedTo);
  else
    FillGradient(dc, face, Colors.BackgroundFrom, Colors.BackgroundTo);
  if (Hot && !sunken) {
    Frame(dc, face, Colors.HighlightTo);
  }
  Frame(dc, Place, Colors.BorderLine);

  RECT text = Place;
  if (sunken) OffsetRect(&text, 1, 1);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  const auto [font, caption] = CaptionFace(dc, Caption, CaptionPixels);
  SelectObject(dc, font);
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void win32::TmxFlatPanel::Paint(HDC dc) const {
  Fill(dc, Place, White);
  Frame(dc, Place, PanelRing);
  RECT text = Inset(Place, 2);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  SelectObject(dc, CaptionFont);
  DrawTextW(dc, Caption.c_str(), static_cast<int>(Caption.size()), &text,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void win32::PaintContainer(HDC dc, const RECT& rect) {
  Fill(dc, rect, ContainerFace);
}
