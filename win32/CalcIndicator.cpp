#include "win32/CalcIndicator.h"

#include "display/format/DisplayFormat.h"
#include "win32/WideText.h"

namespace {

// The forms reserve the width of this character of their own font for the
// multiplication sign.
constexpr wchar_t SignGapCharacter = 0x00B4;
constexpr wchar_t MultiplicationSign = 0x00D7;

int Advance(HDC dc, std::wstring_view text) {
  SIZE size{};
  GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

void Draw(HDC dc, int x, int y, std::wstring_view text) {
  TextOutW(dc, x, y, text.data(), static_cast<int>(text.size()));
}

} // namespace

void win32::TCVCalcIndicator::SetText(std::string_view value) {
  std::string text = display::DisplayTextOf(value, FThouSep, FSeparators);
  FValue = value;
  FText.swap(text);
}

void win32::TCVCalcIndicator::SetThouSep(bool value) {
  if (value == FThouSep) return;
  FThouSep = value;
  FText = display::DisplayTextOf(FValue, FThouSep, FSeparators);
}

// One line a quarter line down, or the exponent at the top edge and the
// rest a third of a line down, everything ending at the right edge; what
// reaches past the left edge is clipped.
void win32::TCVCalcIndicator::Paint(HDC dc, HFONT font) const {
  SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  const int h = metrics.tmHeight;
  const int right = Place.right, top = Place.top;
  const HRGN clip = CreateRectRgnIndirect(&Place);
  SelectClipRgn(dc, clip);

  const std::wstring text = Wide(FText);
  const std::size_t split = text.find_first_of(L"Ee");
  if (split == std::wstring::npos) {
    Draw(dc, right - Advance(dc, text), top + h / 4, text);
  } else {
    const std::wstring exponent = text.substr(split + 1);
    const std::wstring mantissa = text.substr(0, split);
    const int xe = right - Advance(dc, exponent);
    const int xt = xe - Advance(dc, L"10");
    const int g = Advance(dc, std::wstring(1, SignGapCharacter));
    const int yt = top + h / 3;
    Draw(dc, xe, top, exponent);
    Draw(dc, xt, yt, L"10");
    Draw(dc, xt - g, yt, std::wstring(1, MultiplicationSign));
    Draw(dc, xt - g - Advance(dc, mantissa), yt, mantissa);
  }
  SelectClipRgn(dc, nullptr);
  DeleteObject(clip);
}
