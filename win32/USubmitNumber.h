#pragma once
// TFSubmitNumber: the modal dialog that takes a number as a mantissa and a
// power of ten, on Win32. The rule of its two fields and of the preview is
// ui::TSubmitNumber's; here are the window, its two edit fields, Submit,
// Cancel and Help, and the preview drawn as the main window's display is.
// It opens where it was placed, not centred on its owner, with the
// mantissa selected so that typing replaces it; Enter submits, Esc and the
// close box cancel.

#include "engine/NumberText.h"
#include "ui/SubmitNumber.h"
#include "win32/CalcIndicator.h"

#include <windows.h>

#include <optional>
#include <string>

namespace win32 {

class TFSubmitNumber {
public:
  TFSubmitNumber(HWND owner, const engine::NumberSeparators& separators);
  TFSubmitNumber(const TFSubmitNumber&) = delete;
  TFSubmitNumber& operator=(const TFSubmitNumber&) = delete;

  // Shows the dialog for the value until it closes: the composition when
  // submitted, nothing when cancelled. A value that does not read raises
  // EConvertError before anything shows.
  std::optional<std::string> Execute(const std::string& value, bool stayOnTop);

private:
  template <class TOwner>
  friend LRESULT CALLBACK WindowProcOf(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);
  void Build(bool stayOnTop);
  void RunModal();
  void Command(WORD id, WORD notification, HWND control);
  void FieldChanged(HWND field);
  void Paint(HDC dc) const;

  HWND FOwner;
  HWND FHandle = nullptr;
  HWND FEditMantissa = nullptr;
  HWND FEditExponent = nullptr;
  ui::TSubmitNumber FNumber;
  TCVCalcIndicator FPreviewIndicator;
  bool FDone = false;
  bool FSubmitted = false;
};

} // namespace win32
