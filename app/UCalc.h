#pragma once
// TFCalc: the calculator's main window. It owns the engine, the two number
// displays, the 27 keys, the functions panel, the menus and the tray icon.
// Every key click, bound key and menu command becomes one engine action or
// one window command; after an engine action the window reads the engine
// back (UpdateIndicators). The window holds no calculator logic of its own:
// the engine computes, USet keeps the settings, the displays format.

#include "app/MenuTable.h"
#include "engine/Calculator.h"

#include <QWidget>

#include <array>

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;
class QSystemTrayIcon;
class QTimer;
class TCVCalcIndicator;
class TdxButton;
class TdxContainer;
class TmxFlatPanel;
namespace app {
class PasteNote;
}
enum class TKeyGroup;

class TFCalc : public QWidget {
  Q_OBJECT

public:
  explicit TFCalc(QWidget* parent = nullptr);
  ~TFCalc() override;

  const TCVCalculator& Calculator() const { return FCalculator; }
  TCVCalcIndicator& MainIndicator() const { return *FMainIndicator; }
  TCVCalcIndicator& MemoryIndicator() const { return *FMemoryIndicator; }
  TmxFlatPanel& PanelIndicator() const { return *FPanelIndicator; }
  QAction& MenuAction(TMenuCommand command) const { return *FMenuActions[std::size_t(command)]; }

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
  bool FunctionsShown() const;
  void PanelIndicatorClick();

  // Window commands.
  void FileExitExecute();
  void EditCopyExecute();
  void EditPasteExecute();
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
  void ViewShowTaskSystemExecute();
  void ViewShowTaskbarExecute();
  void ViewShowSystemExecute();
  void HelpHomePage1Execute();
  void HelpAbout1Execute();

  // Presence: taskbar button, tray icon, stay on top.
  void FormShow();
  void ApplicationRestore();
  void TrayIconOpenExecute();
  void ShowPresenceLimits();
  void ShowTrayAvailability();
  void WatchTray();
  void ShowTrayToolTip();
  void ApplyShowIn(std::int32_t showIn);
  void SetTaskbarButton(bool shown);
  void RestoreAndRaise();
  void RestorePresence();
  void ApplyStayOnTop(bool onTop);

  // Runs a command through the window's error display.
  void Run(void (TFCalc::*command)());

  TCVCalculator FCalculator;
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
  bool FMinimizeToTray = true;
  bool FRestorePresence = false; // once the window is exposed again
  bool FPlaced = false;
  bool FPainted = false; // the first frame has been drawn
};
