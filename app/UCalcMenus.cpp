// The main window's menu bar and the tray menu, both built from one table of
// commands: each command is one action, and a command that both menus offer
// (Home Page, About, Exit) is the same action in both.

#include "app/KeyEvents.h"
#include "app/MenuBarLook.h"
#include "app/MenuTable.h"
#include "app/UCalc.h"
#include "ui/KeyTable.h"
#include "ui/Menus.h"
#include "widgets/look/Fonts.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

using enum TMenuCommand;

// A friend of the window, so that the table can name its commands.
struct MenuTable {
  // clang-format off
  static constexpr TMenuTable Entries = {{
      {FileExit, &TFCalc::FileExitExecute, app::MenuPicture::Exit},
      {EditCopy, &TFCalc::EditCopyExecute, app::MenuPicture::Copy},
      {EditPaste, &TFCalc::EditPasteExecute, app::MenuPicture::Paste},
      {EditCopyTape, &TFCalc::EditCopyTapeExecute, {}},
      {EditClearTape, &TFCalc::EditClearTapeExecute, {}},
      {ViewShowTaskSystem, &TFCalc::ViewShowTaskSystemExecute, {}},
      {ViewShowTaskbar, &TFCalc::ViewShowTaskbarExecute, {}},
      {ViewShowSystem, &TFCalc::ViewShowSystemExecute, {}},
      {ViewThouSep, &TFCalc::ViewThouSepExecute, {}},
      {ViewStayOnTop, &TFCalc::ViewStayOnTopExecute, {}},
      {ViewFunctions, &TFCalc::ViewFunctionsExecute, {}},
      {ViewTape, &TFCalc::ViewTapeExecute, {}},
      {ViewKeepTape, &TFCalc::ViewKeepTapeExecute, {}},
      {ViewMoveToTape, &TFCalc::ViewMoveToTapeExecute, {}},
      {HelpKeyboard, &TFCalc::HelpKeyboardExecute, {}},
      {HelpHomePage1, &TFCalc::HelpHomePage1Execute, app::MenuPicture::HomePage},
      {HelpAbout1, &TFCalc::HelpAbout1Execute, app::MenuPicture::About},
      {TrayIconOpen, &TFCalc::TrayIconOpenExecute, {}},
  }};
  // clang-format on
  static_assert(app::RowsInCommandOrder(Entries));
};

namespace {

QString Translated(const char* text) {
  return QCoreApplication::translate("TFCalc", text);
}

// The key table's keys of a command; the menu shows the first.
QList<QKeySequence> Shortcuts(TMenuCommand command) {
  QList<QKeySequence> shortcuts;
  for (const ui::TKeyRow& row : ui::KeyRows)
    for (const ui::TKeyBinding& binding : row.Bindings)
      if (binding.Target == ui::TKeyTarget(command)) shortcuts.append(app::Shortcut(binding));
  return shortcuts;
}

void Place(QMenu& menu, QAction* action) {
  if (action != nullptr)
    menu.addAction(action);
  else
    menu.addSeparator();
}

} // namespace

// A checkable entry's command sets the mark itself, from the mark it finds,
// so the toolkit's own toggle is undone before the command runs.
QAction* TFCalc::MakeAction(const TMenuEntry& entry) {
  auto* action = new QAction(Translated(ui::MenuCaption(entry.command)), this);
  if (entry.icon) action->setIcon(app::MenuIcon(*entry.icon));
  action->setCheckable(ui::MenuCheckable(entry.command));
  const QList<QKeySequence> shortcuts = Shortcuts(entry.command);
  if (!shortcuts.isEmpty()) {
    action->setShortcuts(shortcuts);
    addAction(action); // the window is the shortcut's context, menus closed or open
  }
  const auto execute = entry.execute;
  connect(action, &QAction::triggered, this, [this, action, execute] {
    if (action->isCheckable()) action->toggle();
    Run(execute);
  });
  return action;
}

void TFCalc::BuildMenus() {
  for (const TMenuEntry& entry : MenuTable::Entries)
    FMenuActions[std::size_t(entry.command)] = MakeAction(entry);
  FViewShowIn = {&MenuAction(ViewShowTaskSystem), &MenuAction(ViewShowTaskbar),
                 &MenuAction(ViewShowSystem)};
  FViewThouSep = &MenuAction(ViewThouSep);
  FViewThouSep->setChecked(true);
  FViewStayOnTop = &MenuAction(ViewStayOnTop);
  FViewFunctions = &MenuAction(ViewFunctions);
  FViewTape = &MenuAction(ViewTape);
  FViewKeepTape = &MenuAction(ViewKeepTape);

  FMenuBar = new QMenuBar(this);
  FMenuBar->setNativeMenuBar(false); // the window draws its own, as laid out
  // A menu bar outside a main window follows its parent's size on its own;
  // fixing its size keeps it to the layout's 260 x 24.
  FMenuBar->setFixedSize(260, 24);
  FMenuBar->setFont(look::TypefaceFont(TTypeface::Tahoma, 11, false));
  app::UseFixedMenuBarLook(*FMenuBar);
  QMenu* menu = nullptr;
  QMenu* submenu = nullptr;
  for (const ui::TMenuPlace& place : ui::MenuBarPlaces) {
    if (menu == nullptr || menu->title() != Translated(place.Menu)) {
      menu = FMenuBar->addMenu(Translated(place.Menu));
      submenu = nullptr;
    }
    if (place.Submenu != nullptr && submenu == nullptr)
      submenu = menu->addMenu(Translated(place.Submenu));
    Place(place.Submenu != nullptr ? *submenu : *menu,
          place.Command ? &MenuAction(*place.Command) : nullptr);
  }

  FTrayMenu = new QMenu(this);
  for (const auto& command : ui::TrayMenuRows)
    Place(*FTrayMenu, command ? &MenuAction(*command) : nullptr);
  QAction* open = &MenuAction(TrayIconOpen);
  QFont bold = open->font();
  bold.setBold(true);
  open->setFont(bold);
  FTrayMenu->setDefaultAction(open);
}
