// The tape: each finished calculation as the keys made it, with its result,
// in a list below the keypad. View > Tape shows it (the window grows
// downwards); entries are recorded and written to the tape's file whether
// it shows or not. The rules are ui::TTape's; here is the list box.
//
// The list is not a tab stop: F6 or a click moves into it. There Enter or a
// double click takes an entry's result, Delete removes the selected
// entries, Ctrl+C copies them, and the arrows and page keys move; every
// other key is the calculator's.

#include "settings/USet.h"
#include "win32/Boxes.h"
#include "win32/Clipboard.h"
#include "win32/DxPaint.h"
#include "win32/UCalc.h"
#include "win32/WideText.h"

#include <commctrl.h>

namespace {

constexpr int TapeMargin = 4;
constexpr UINT_PTR TapeListId = 1;

int Count(HWND list) {
  return static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
}

std::string FileText(const ui::TTapeJournal& journal) {
  return win32::Utf8(journal.File().wstring());
}

} // namespace

void win32::TFCalc::BuildTape() {
  FTapeList =
      CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"Tape",
                      WS_CHILD | WS_VSCROLL | LBS_NOTIFY | LBS_EXTENDEDSEL | LBS_NOINTEGRALHEIGHT,
                      0, 0, 0, 0, FHandle, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(FTapeList, WM_SETFONT, reinterpret_cast<WPARAM>(Font(L"MS Sans Serif", 11, false)),
               FALSE);
  SetWindowSubclass(FTapeList, &TFCalc::TapeListProc, TapeListId,
                    reinterpret_cast<DWORD_PTR>(this));
}

void win32::TFCalc::PlaceTape(int width) {
  MoveWindow(FTapeList, TapeMargin, ui::WindowHeight - ui::KeypadArea.Top, width - 2 * TapeMargin,
             ui::TapeHeight - TapeMargin, TRUE);
}

// The list's own keys stay in it; the rest go to the window's key table,
// with the characters they type.
LRESULT CALLBACK win32::TFCalc::TapeListProc(HWND list, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                             DWORD_PTR form) {
  switch (message) {
  case WM_KEYDOWN:
    if (reinterpret_cast<TFCalc*>(form)->TapeListKey(w)) return 0;
    break;
  case WM_CHAR: return 0; // no search by the first letter: letters are keys
  case WM_NCDESTROY: RemoveWindowSubclass(list, &TFCalc::TapeListProc, TapeListId); break;
  }
  return DefSubclassProc(list, message, w, l);
}

bool win32::TFCalc::TapeListKey(WPARAM virtualKey) {
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  const bool plain = !ctrl && GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_MENU) >= 0;
  if (ctrl && virtualKey == 'C') {
    Guarded([this] { WriteClipboardText(FHandle, FTape.Text(SelectedTapeRows())); });
    return true;
  }
  if (ctrl && virtualKey == 'A') {
    SendMessageW(FTapeList, LB_SELITEMRANGEEX, 0, Count(FTapeList) - 1);
    return true;
  }
  switch (virtualKey) {
  case VK_RETURN: Guarded([this] { UseTapeEntry(); }); return true;
  case VK_DELETE:
    if (plain) Guarded([this] { RemoveTapeRows(); });
    return plain;
  case VK_UP:
  case VK_DOWN:
  case VK_PRIOR:
  case VK_NEXT:
  case VK_HOME:
  case VK_END:
  case VK_SPACE: return false;
  default: return FormKeyDown(virtualKey);
  }
}

void win32::TFCalc::TapeListCommand(WORD notification) {
  if (notification == LBN_DBLCLK) Guarded([this] { UseTapeEntry(); });
}

void win32::TFCalc::ViewTapeExecute() {
  USet::Tape = !USet::Tape;
  ShowTape();
  if (!USet::Tape && GetFocus() == FTapeList) SetFocus(FHandle);
}

void win32::TFCalc::ShowTape() {
  FTape.Keep(USet::KeepTape);
  TellTapeFailure();
  ShowWindow(FTapeList, USet::Tape ? SW_SHOWNA : SW_HIDE);
  Resize();
}

void win32::TFCalc::ViewKeepTapeExecute() {
  USet::KeepTape = !USet::KeepTape;
  FTape.Keep(USet::KeepTape);
  TellTapeFailure();
}

// Once, after the first frame; an entry made before is in the file already.
void win32::TFCalc::LoadTape() {
  const bool read = FTape.LoadOnce();
  TellTapeFailure();
  if (!read) return;
  FillTapeList();
  if (const std::size_t damaged = FTape.Journal().DamagedLines(); damaged != 0) {
    const std::string notice =
        ui::FillIn(ui::TapeDamagedNotice, {FileText(FTape.Journal()), std::to_string(damaged)});
    ShowBox(FHandle, notice, MB_ICONINFORMATION | MB_OK);
  }
}

void win32::TFCalc::FillTapeList() {
  SendMessageW(FTapeList, WM_SETREDRAW, FALSE, 0);
  SendMessageW(FTapeList, LB_RESETCONTENT, 0, 0);
  for (const ui::TTapeEntry& entry : FTape.Entries())
    SendMessageW(FTapeList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Wide(entry.Text).c_str()));
  SendMessageW(FTapeList, LB_SETTOPINDEX, WPARAM(std::max(0, Count(FTapeList) - 1)), 0);
  SendMessageW(FTapeList, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(FTapeList, nullptr, TRUE);
}

// After every action that went through: a finished calculation goes on the
// tape and into its file at once.
void win32::TFCalc::RecordTape() {
  if (const auto added = FTape.After(FCalculator)) {
    if (added->OldestDropped) SendMessageW(FTapeList, LB_DELETESTRING, 0, 0);
    const std::wstring text = Wide(added->Entry.Text);
    const auto row =
        SendMessageW(FTapeList, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    SendMessageW(FTapeList, LB_SETTOPINDEX, WPARAM(row), 0);
  }
  TellTapeFailure();
}

// The current entry's exact result becomes the value, or the right operand
// of a waiting operation, as a paste does.
void win32::TFCalc::UseTapeEntry() {
  const auto row = SendMessageW(FTapeList, LB_GETCARETINDEX, 0, 0);
  if (row < 0 || row >= Count(FTapeList)) return;
  const std::optional<Extended> result = FTape.Result(std::size_t(row));
  if (!result) return;
  FCalculator.EnterNumber(*result);
  UpdateIndicators();
}

// The selected rows in order; the current row when none is selected.
std::vector<std::size_t> win32::TFCalc::SelectedTapeRows() const {
  const int selected = static_cast<int>(SendMessageW(FTapeList, LB_GETSELCOUNT, 0, 0));
  std::vector<int> rows(std::size_t(std::max(selected, 0)));
  if (!rows.empty())
    SendMessageW(FTapeList, LB_GETSELITEMS, rows.size(), reinterpret_cast<LPARAM>(rows.data()));
  const auto caret = SendMessageW(FTapeList, LB_GETCARETINDEX, 0, 0);
  if (rows.empty() && caret >= 0 && caret < Count(FTapeList)) rows.push_back(int(caret));
  return {rows.begin(), rows.end()};
}

void win32::TFCalc::RemoveTapeRows() {
  const std::vector<std::size_t> rows = SelectedTapeRows();
  FTape.Remove(rows);
  for (auto row = rows.rbegin(); row != rows.rend(); ++row)
    SendMessageW(FTapeList, LB_DELETESTRING, *row, 0);
  TellTapeFailure();
}

void win32::TFCalc::EditCopyTapeExecute() {
  const std::string text = FTape.Text();
  if (!text.empty()) WriteClipboardText(FHandle, text);
}

void win32::TFCalc::EditClearTapeExecute() {
  if (FTape.Entries().empty()) return;
  const std::string question =
      ui::FillIn(ui::TapeClearQuestion, {std::to_string(FTape.Entries().size())});
  if (ShowBox(FHandle, question, MB_ICONQUESTION | MB_YESNO) != IDYES) return;
  FTape.Clear();
  SendMessageW(FTapeList, LB_RESETCONTENT, 0, 0);
  TellTapeFailure();
}

// Into the tape, at its newest entry when none is selected, and back.
void win32::TFCalc::ViewMoveToTapeExecute() {
  if (!IsWindowVisible(FTapeList)) return;
  if (GetFocus() == FTapeList) {
    SetFocus(FHandle);
    return;
  }
  SetFocus(FTapeList);
  const int last = Count(FTapeList) - 1;
  if (last >= 0 && SendMessageW(FTapeList, LB_GETSELCOUNT, 0, 0) == 0) {
    SendMessageW(FTapeList, LB_SETSEL, TRUE, last);
    SendMessageW(FTapeList, LB_SETCARETINDEX, WPARAM(last), FALSE);
  }
}

// Told once a run, after the first write that failed.
void win32::TFCalc::TellTapeFailure() {
  if (!FTape.TakeFailure()) return;
  const ui::TTapeJournal& journal = FTape.Journal();
  const std::string notice = ui::FillIn(
      ui::TapeFailureNotice, {FileText(journal), Utf8FromAnsi(journal.LastError().message())});
  ShowBox(FHandle, notice, MB_ICONWARNING | MB_OK);
}
