#pragma once
// TFCalc: the calculator's main window. It owns the engine, the two number
// displays, the 27 keys, the functions panel, the menus and the tray icon.
// Every key click, bound key and menu command becomes one engine action or
// one window command; after an engine action the window reads the engine
// back (UpdateIndicators). The window holds no calculator logic of its own:
// the engine computes, USet keeps the settings, the displays format.

#include "app/MenuTable.h"
#include "engine/Calculator.h"
#include "ui/Presence.h"

#include <QWidget>

#include <array>
#include <memory>
#include <string_view>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class QSystemTrayIcon;
class QTimer;
class TCVCalcIndicator;
class TSettingsSaver;
class TdxButton;
class TdxContainer;
class TmxFlatPanel;
class TTapeList;
namespace app {
class PasteNote;
}
enum class TKeyGroup;
namespace platform {
enum class ClipboardRefusal;
enum class InstanceRequest : char;
} // namespace platform
namespace ui {
class TTape;
class TTapeJournal;
struct TKeyLayout;
} // namespace ui

class TFCalc : public QWidget {
  Q_OBJECT

public:
  // The separators are the locale's: every number text of the window uses them.
  explicit TFCalc(engine::NumberSeparators separators = {}, QWidget* parent = nullptr);
  ~TFCalc() override;

  const TCVCalculator& Calculator() const { return FCalculator; }
  TCVCalcIndicator& MainIndicator() const { return *FMainIndicator; }
  TCVCalcIndicator& MemoryIndicator() const { return *FMemoryIndicator; }
  TmxFlatPanel& PanelIndicator() const { return *FPanelIndicator; }
  // Built when the tape first shows.
  TTapeList* TapeList() const { return FTapeList; }
  const ui::TTapeJournal& TapeJournal() const;
  QAction& MenuAction(TMenuCommand command) const { return *FMenuActions[std::size_t(command)]; }
  TSettingsSaver& Saver() const { return *FSaver; }

  // Another start of the program on this display, with the desktop's
  // activation token: its window is this one.
  void AnotherStart(platform::InstanceRequest request, const std::string& activationToken);
  // Opens a step down and right of the centre per instance running on other
  // displays, so that two windows never open exactly on top of each other.
  void PlaceAfterOthers(int others) { FPresence.SetOthersRunning(others); }

  // A key's handler, found by the key's name: "btPlus" -> btPlusClick; null
  // for a name that is no key of the keypad.
  using TKeyHandler = void (TFCalc::*)();
  static TKeyHandler KeyHandler(std::string_view keyName);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

private:
  // The window's controls and menus, built from the layout tables.
  void BuildKeypad();
  void BuildMemoryArea();
  void BuildMenus();
  void BuildTrayIcon();
  void BuildFunctions();
  TdxButton* AddKey(QWidget& parent, const char* name, QRect geometry, const QString& caption,
                    TKeyGroup group, int captionPixels = 11);
  void ConnectKey(TdxButton& button, const ui::TKeyLayout& key);
  void ConnectAction(TdxButton& key, TCalcAction action);
  QAction* MakeAction(const TMenuEntry& entry);
  friend struct MenuTable;
  void ShowTrayIcon(bool shown);

  // Start-up, refresh and keys.
  void FormCreate();
  void AfterFirstPaint();
  void UpdateIndicators();
  void ButtonClick(TCalcAction action);
  bool FormKeyDown(const QKeyEvent& key);
  void RunActionKey(TCalcAction action);
  bool FunctionsShown() const;
  void PanelIndicatorClick();

  // Window commands.
  void FileExitExecute();
  void EditCopyExecute();
  void EditPasteExecute();
  void ShowPasteRefusal(platform::ClipboardRefusal refusal);
  void ViewThouSepExecute();
  void ShowThouSep();
  void ViewStayOnTopExecute();
  void ViewFunctionsExecute();
  void ShowFunctions();
  void KeepOnScreen();
  void SetAngularMeasure(TAngularMeasure measure);
  void ShowAngularMeasure();
  void ShowAngleKeys(TAngularMeasure chosen);
  void HelpKeyboardExecute();

  // The tape: every finished calculation, kept in its file.
  void BuildTape();
  void ViewTapeExecute();
  void ShowTape();
  void ViewKeepTapeExecute();
  void EditCopyTapeExecute();
  void EditClearTapeExecute();
  void LoadTape();
  void FillTapeList();
  void RecordTape();
  void UseTapeEntry(int row);
  void CopyTapeRows(const std::string& text);
  void RemoveTapeRows();
  void ViewMoveToTapeExecute();
  void TellTapeFailure();
  // The window's size for the panels shown, kept on its screen.
  void FitWindow();
  void ViewShowTaskSystemExecute();
  void ViewShowTaskbarExecute();
  void ViewShowSystemExecute();
  void HelpHomePage1Execute();
  void HelpAbout1Execute();

  // The keypad's handlers, one per key and named after it. A click on the
  // key and every key of the keyboard bound to its action run it.
  void btClearClick() { ButtonClick(caClear); }
  void btClearEntrClick() { ButtonClick(caClearEntr); }
  void btSignChangeClick() { ButtonClick(caSignChange); }
  void btDivideClick() { ButtonClick(caDivide); }
  void btMultyClick() { ButtonClick(caMulty); }
  void btMinusClick() { ButtonClick(caMinus); }
  void btMemClearClick() { ButtonClick(caMemClear); }
  void btBackSpaceClick() { ButtonClick(caBackSpace); }
  void bt7Click() { ButtonClick(ca7); }
  void bt8Click() { ButtonClick(ca8); }
  void bt9Click() { ButtonClick(ca9); }
  void btPlusClick() { ButtonClick(caPlus); }
  void btMemRecallClick() { ButtonClick(caMemRecall); }
  void btPerCentClick() { ButtonClick(caPerCent); }
  void bt4Click() { ButtonClick(ca4); }
  void bt5Click() { ButtonClick(ca5); }
  void bt6Click() { ButtonClick(ca6); }
  void btMemMinusClick() { ButtonClick(caMemMinus); }
  void btInverseClick() { ButtonClick(caInverse); }
  void bt1Click() { ButtonClick(ca1); }
  void bt2Click() { ButtonClick(ca2); }
  void bt3Click() { ButtonClick(ca3); }
  void btEqualClick() { ButtonClick(caEqual); }
  void btMemPlusClick() { ButtonClick(caMemPlus); }
  void btSqrtClick() { ButtonClick(caSqrt); }
  void bt0Click() { ButtonClick(ca0); }
  void btDecSepClick() { ButtonClick(caDecSep); }

  // Presence: taskbar button, tray icon, stay on top.
  void FormShow();
  void WindowExposed();
  void PlaceOnScreen(int offset);
  void TellSettingsNotices();
  void ApplicationRestore();
  void TrayIconOpenExecute();
  void ShowPresenceLimits();
  void ShowTrayAvailability();
  void WatchTray();
  void ShowTrayToolTip();
  void ApplyShowIn(std::int32_t showIn);
  void SetTaskbarButton(bool shown);
  void RestoreAndRaise();
  bool HidesToTray();
  void RestorePresence();
  void ApplyStayOnTop(bool onTop);

  // Runs a command through the window's error display.
  void Run(void (TFCalc::*command)());

  TCVCalculator FCalculator;
  std::unique_ptr<ui::TTape> FTape;
  TTapeList* FTapeList = nullptr; // built when first shown
  QAction* FViewTape = nullptr;
  QAction* FViewKeepTape = nullptr;
  TSettingsSaver* FSaver = nullptr;
  TdxContainer* FKeypad = nullptr;
  TdxContainer* FMemoryArea = nullptr;
  TmxFlatPanel* FPanelIndicator = nullptr;
  TmxFlatPanel* FMemoryPanel = nullptr;
  TCVCalcIndicator* FMainIndicator = nullptr;
  TCVCalcIndicator* FMemoryIndicator = nullptr;
  app::PasteNote* FPasteNote = nullptr; // why a paste pasted nothing
  TdxContainer* FFunctionArea = nullptr;
  std::array<TdxButton*, amCycle + 1> FAngleKeys{};
  QMenuBar* FMenuBar = nullptr;
  std::array<QAction*, std::size_t(TMenuCommand::Count)> FMenuActions{};
  QAction* FViewThouSep = nullptr;
  QAction* FViewStayOnTop = nullptr;
  QAction* FViewFunctions = nullptr;
  std::array<QAction*, 3> FViewShowIn{};
  QMenu* FTrayMenu = nullptr;
  QSystemTrayIcon* FTrayIcon = nullptr; // built when first shown
  QTimer* FTrayWatch = nullptr;         // runs while the window is hidden in the tray
  ui::TPresence FPresence;
};
