#pragma once
// TFCalc: the calculator's main window on Win32. It owns the engine, the two
// number displays, the 27 keys, the functions panel and the menus, all laid
// out from ui/'s tables. Every key click, bound key and menu command becomes
// one engine action or one window command; after an engine action the window
// reads the engine back (UpdateIndicators). The engine computes, USet keeps
// the settings, display/format formats: the window holds no rule of its own.

#include "engine/Calculator.h"
#include "ui/KeyTable.h"
#include "ui/Tape.h"
#include "win32/CalcIndicator.h"
#include "win32/DxPaint.h"

#include <windows.h>

#include <functional>
#include <vector>

namespace win32 {

class TFCalc {
public:
  // Makes the window and shows it; the message loop is the caller's. The
  // separators are the locale's: every number text of the window uses them.
  TFCalc(HINSTANCE instance, int show, engine::NumberSeparators separators);
  TFCalc(const TFCalc&) = delete;
  TFCalc& operator=(const TFCalc&) = delete;

  HWND Handle() const { return FHandle; }
  // The key's message, with the character it types when it types one.
  bool FormKeyDown(WPARAM virtualKey);

private:
  template <class TOwner>
  friend LRESULT CALLBACK WindowProcOf(HWND window, UINT message, WPARAM w, LPARAM l);
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);

  // The controls, built from the layout tables.
  void BuildKeypad();
  void BuildFunctions();
  void BuildMenus();
  void Resize();

  // Start-up, refresh, painting and the pointer.
  void FormCreate();
  void UpdateIndicators();
  void Paint(HDC dc) const;
  void Invalidate() const;
  void MouseDown(POINT at);
  void MouseUp(POINT at);
  void MouseMove(POINT at);
  // A click on the value: the number submit dialog.
  void PanelIndicatorClick();
  TdxButton* KeyAt(POINT at);

  // Engine actions, angle units and window commands, each through the
  // error box.
  void Run(ui::TKeyTarget target);
  void ButtonClick(TCalcAction action);
  void SetAngularMeasure(TAngularMeasure measure);
  void Execute(TMenuCommand command);
  void Guarded(const std::function<void()>& command);
  void FileExitExecute();
  void EditCopyExecute();
  void EditPasteExecute();
  void ViewThouSepExecute();
  void ViewStayOnTopExecute();
  void ViewFunctionsExecute();
  void HelpKeyboardExecute();
  void HelpHomePage1Execute();
  void HelpAbout1Execute();
  void ShowChecks();
  void FormClose();

  // The tape: every finished calculation, in a list below the keypad.
  void BuildTape();
  void PlaceTape(int width);
  static LRESULT CALLBACK TapeListProc(HWND list, UINT message, WPARAM w, LPARAM l, UINT_PTR,
                                       DWORD_PTR form);
  bool TapeListKey(WPARAM virtualKey);
  void TapeListCommand(WORD notification);
  void ViewTapeExecute();
  void ShowTape();
  void ViewKeepTapeExecute();
  void EditCopyTapeExecute();
  void EditClearTapeExecute();
  void LoadTape();
  void FillTapeList();
  void AddTapeLine(const ui::TTapeEntry& entry);
  void RecordTape();
  void UseTapeEntry();
  std::vector<std::size_t> SelectedTapeRows() const;
  void RemoveTapeRows();
  void ViewMoveToTapeExecute();
  void TellTapeFailure();
  void KeepOnScreen();

  // Presence: taskbar button, tray icon, stay on top.
  static constexpr UINT TrayMessage = WM_APP + 1;
  void ShowIn(std::int32_t showIn);
  void ShowTrayIcon(bool shown);
  void SetTaskbarButton(bool shown);
  void ApplyStayOnTop();
  bool MinimizeToTray();
  void RestoreAndRaise();
  void TrayIconEvent(LPARAM event);
  void ShowTrayMenu();

  HWND FHandle = nullptr;
  HMENU FMenu = nullptr;
  TCVCalculator FCalculator;
  TmxFlatPanel FPanelIndicator, FMemoryPanel;
  TCVCalcIndicator FMainIndicator, FMemoryIndicator;
  // The keypad's keys, then the functions', then the angle units'.
  std::vector<TdxButton> FKeys;
  std::vector<ui::TKeyTarget> FKeyTargets; // what each key runs
  std::size_t FFunctionsFrom = 0, FAnglesFrom = 0;
  std::size_t FPressed = SIZE_MAX;
  std::size_t FHot = SIZE_MAX;
  bool FPanelPressed = false;
  bool FTrayIcon = false;
  ui::TTape FTape{ui::TTapeJournal::DefaultFile().value_or(std::filesystem::path())};
  HWND FTapeList = nullptr;
};

} // namespace win32
