// The window's menus and commands: the menu bar from ui/'s menu table, the
// clipboard, the view options, help, and closing with the settings saved.

#include "engine/NumberText.h"
#include "engine/PastedNumber.h"
#include "platform/Shell.h"
#include "settings/USet.h"
#include "tallyon/Product.h"
#include "ui/KeyHelp.h"
#include "ui/Menus.h"
#include "win32/Boxes.h"
#include "win32/Clipboard.h"
#include "win32/UAbout.h"
#include "win32/UCalc.h"
#include "win32/USubmitNumber.h"
#include "win32/WideText.h"

#include <map>
#include <optional>
#include <stdexcept>

using enum TMenuCommand;

namespace {

// The caption with the first of the command's keys after a tab, where the
// menu shows shortcuts.
std::wstring EntryText(TMenuCommand command) {
  std::string text = ui::MenuCaption(command);
  const std::vector<std::string> keys = ui::KeyNames(command);
  if (!keys.empty()) text += "\t" + keys.front();
  return win32::Wide(text);
}

UINT_PTR Id(TMenuCommand command) {
  return UINT_PTR(command);
}

} // namespace

void win32::TFCalc::BuildMenus() {
  FMenu = CreateMenu();
  std::map<std::string, HMENU> menus; // by the caption, menus and submenus
  const auto menuOf = [&](HMENU parent, const char* caption) {
    HMENU& menu = menus[caption];
    if (!menu) {
      menu = CreatePopupMenu();
      AppendMenuW(parent, MF_POPUP, reinterpret_cast<UINT_PTR>(menu), Wide(caption).c_str());
    }
    return menu;
  };
  for (const ui::TMenuPlace& place : ui::MenuBarPlaces) {
    HMENU menu = menuOf(FMenu, place.Menu);
    if (place.Submenu) menu = menuOf(menu, place.Submenu);
    if (place.Command)
      AppendMenuW(menu, MF_STRING, Id(*place.Command), EntryText(*place.Command).c_str());
    else
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
  }
}

void win32::TFCalc::ShowChecks() {
  const auto check = [this](TMenuCommand command, bool on) {
    CheckMenuItem(FMenu, UINT(Id(command)), on ? MF_CHECKED : MF_UNCHECKED);
  };
  check(ViewThouSep, USet::ThouSep);
  check(ViewStayOnTop, USet::StayOnTop);
  check(ViewFunctions, USet::Functions);
  check(ViewTape, USet::Tape);
  check(ViewKeepTape, USet::KeepTape);
  check(ViewShowTaskSystem, USet::ShowIn == USet::ShowInTaskbarAndTray);
  check(ViewShowTaskbar, USet::ShowIn == USet::ShowInTaskbar);
  check(ViewShowSystem, USet::ShowIn == USet::ShowInTray);
}

void win32::TFCalc::Execute(TMenuCommand command) {
  switch (command) {
  case FileExit: FileExitExecute(); break;
  case EditCopy: EditCopyExecute(); break;
  case EditPaste: EditPasteExecute(); break;
  case ViewShowTaskSystem: ShowIn(USet::ShowInTaskbarAndTray); break;
  case ViewShowTaskbar: ShowIn(USet::ShowInTaskbar); break;
  case ViewShowSystem: ShowIn(USet::ShowInTray); break;
  case ViewThouSep: ViewThouSepExecute(); break;
  case ViewStayOnTop: ViewStayOnTopExecute(); break;
  case ViewFunctions: ViewFunctionsExecute(); break;
  case HelpKeyboard: HelpKeyboardExecute(); break;
  case HelpHomePage1: HelpHomePage1Execute(); break;
  case HelpAbout1: HelpAbout1Execute(); break;
  case TrayIconOpen: RestoreAndRaise(); break;
  case EditCopyTape: EditCopyTapeExecute(); break;
  case EditClearTape: EditClearTapeExecute(); break;
  case ViewTape: ViewTapeExecute(); break;
  case ViewKeepTape: ViewKeepTapeExecute(); break;
  case ViewMoveToTape: ViewMoveToTapeExecute(); break;
  case Count: break;
  }
  ShowChecks();
}

void win32::TFCalc::FileExitExecute() {
  PostMessageW(FHandle, WM_CLOSE, 0, 0);
}

// Copies the value's number text, not the grouped display text.
void win32::TFCalc::EditCopyExecute() {
  WriteClipboardText(FHandle, USet::Value);
}

// The clipboard text is read as a spreadsheet reads a cell, and that
// number's own text becomes the value, or the right operand of a pending
// operation; a text that is not one number keeps the value and says why.
void win32::TFCalc::EditPasteExecute() {
  const std::optional<std::string> clipboard = ReadClipboardText(FHandle);
  if (!clipboard) return;
  const char decimal = FCalculator.Separators().decimal;
  const engine::PastedNumber pasted = engine::ReadPastedNumber(*clipboard, decimal);
  if (!pasted.number) {
    ShowBox(FHandle, engine::PasteRefusalText(pasted.refusal), MB_ICONINFORMATION | MB_OK);
    return;
  }
  FCalculator.EnterNumber(engine::NumberToText(*pasted.number, decimal));
  UpdateIndicators();
}

void win32::TFCalc::ViewThouSepExecute() {
  USet::ThouSep = !USet::ThouSep;
  FMainIndicator.SetThouSep(USet::ThouSep);
  FMemoryIndicator.SetThouSep(USet::ThouSep);
  Invalidate();
}

void win32::TFCalc::ViewStayOnTopExecute() {
  USet::StayOnTop = !USet::StayOnTop;
  ApplyStayOnTop();
}

void win32::TFCalc::ViewFunctionsExecute() {
  USet::Functions = !USet::Functions;
  Resize();
}

// The value as the dialog's start; a submitted number becomes the value, or
// the right operand of a waiting operation, as a paste does.
void win32::TFCalc::PanelIndicatorClick() {
  USet::Value = FCalculator.Value();
  TFSubmitNumber dialog(FHandle, FCalculator.Separators());
  const std::optional<std::string> submitted = dialog.Execute(USet::Value, USet::StayOnTop);
  if (!submitted) return;
  USet::Value = *submitted;
  FCalculator.EnterNumber(USet::Value);
  FMainIndicator.SetText(USet::Value);
  Invalidate();
}

void win32::TFCalc::HelpKeyboardExecute() {
  std::string text;
  for (const ui::TKeyRow& row : ui::KeyRows)
    if (row.Section != ui::TKeySection::FunctionsPanel || USet::Functions)
      text += ui::HelpKeys(row) + "\t" + row.Does + "\n";
  MessageBoxW(FHandle, Wide(text).c_str(), L"Keyboard", MB_OK);
}

void win32::TFCalc::HelpHomePage1Execute() {
  if (const std::error_code error = platform::OpenWithShell(tallyon::HomePage))
    throw std::runtime_error(error.message());
}

// A record that cannot be read is reported, and the box opens all the same,
// with its placeholders.
void win32::TFCalc::HelpAbout1Execute() {
  TAboutBox box(GetModuleHandleW(nullptr), FHandle);
  Guarded([&box] { box.FormCreate(); });
  box.ShowModal();
}

// A failing save is reported; the window closes all the same, as the
// settings file keeps what it held.
void win32::TFCalc::FormClose() {
  Guarded([] { USet::SaveSettings(); });
  DestroyWindow(FHandle);
}
