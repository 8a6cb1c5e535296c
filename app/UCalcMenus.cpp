// The main window's menu bar and the tray menu, both built from one table of
// commands: each command is one action, and a command that both menus offer
// (Home Page, About, Exit) is the same action in both.

#include "app/KeyEvents.h"
#include "app/MenuBarLook.h"
#include "app/MenuTable.h"
#include "app/UCalc.h"
#include "ui/KeyTable.h"
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
      {FileExit, QT_TRANSLATE_NOOP("TFCalc", "&Exit"), &TFCalc::FileExitExecute, app::MenuPicture::Exit},
      {EditCopy, QT_TRANSLATE_NOOP("TFCalc", "&Copy"), &TFCalc::EditCopyExecute, app::MenuPicture::Copy},
      {EditPaste, QT_TRANSLATE_NOOP("TFCalc", "&Paste"), &TFCalc::EditPasteExecute, app::MenuPicture::Paste},
      {ViewShowTaskSystem, QT_TRANSLATE_NOOP("TFCalc", "&Taskbar and system tray"),
       &TFCalc::ViewShowTaskSystemExecute, {}, true},
      {ViewShowTaskbar, QT_TRANSLATE_NOOP("TFCalc", "T&askbar only"), &TFCalc::ViewShowTaskbarExecute,
       {}, true},
      {ViewShowSystem, QT_TRANSLATE_NOOP("TFCalc", "&System tray only"), &TFCalc::ViewShowSystemExecute,
       {}, true},
      {ViewThouSep, QT_TRANSLATE_NOOP("TFCalc", "Thousand &separator"), &TFCalc::ViewThouSepExecute,
       {}, true},
      {ViewStayOnTop, QT_TRANSLATE_NOOP("TFCalc", "Stay On &Top"), &TFCalc::ViewStayOnTopExecute,
       {}, true},
      {ViewFunctions, QT_TRANSLATE_NOOP("TFCalc", "&Functions"), &TFCalc::ViewFunctionsExecute,
       {}, true},
      {HelpKeyboard, QT_TRANSLATE_NOOP("TFCalc", "&Keyboard"), &TFCalc::HelpKeyboardExecute, {}},
      {HelpHomePage1, QT_TRANSLATE_NOOP("TFCalc", "&Home Page"), &TFCalc::HelpHomePage1Execute,
       app::MenuPicture::HomePage},
      {HelpAbout1, QT_TRANSLATE_NOOP("TFCalc", "&About"), &TFCalc::HelpAbout1Execute,
       app::MenuPicture::About},
      {TrayIconOpen, QT_TRANSLATE_NOOP("TFCalc", "&Open"), &TFCalc::TrayIconOpenExecute, {}},
  }};
  // clang-format on
  static_assert(app::RowsInCommandOrder(Entries));
};

namespace {

const char* const File = QT_TRANSLATE_NOOP("TFCalc", "&File");
const char* const Edit = QT_TRANSLATE_NOOP("TFCalc", "&Edit");
const char* const View = QT_TRANSLATE_NOOP("TFCalc", "&View");
const char* const ShowIn = QT_TRANSLATE_NOOP("TFCalc", "Sh&ow Tallyon In");
const char* const Help = QT_TRANSLATE_NOOP("TFCalc", "&Help");

// clang-format off
const TMenuPlace MenuBarPlaces[] = {
    {File, nullptr, FileExit},
    {Edit, nullptr, EditCopy},
    {Edit, nullptr, EditPaste},
    {View, ShowIn,  ViewShowTaskSystem},
    {View, ShowIn,  ViewShowTaskbar},
    {View, ShowIn,  ViewShowSystem},
    {View, nullptr, std::nullopt},
    {View, nullptr, ViewThouSep},
    {View, nullptr, ViewStayOnTop},
    {View, nullptr, ViewFunctions},
    {Help, nullptr, HelpKeyboard},
    {Help, nullptr, HelpHomePage1},
    {Help, nullptr, HelpAbout1},
};
// clang-format on

const std::optional<TMenuCommand> TrayPlaces[] = {
    TrayIconOpen, std::nullopt, HelpHomePage1, HelpAbout1, std::nullopt, FileExit,
};

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
  auto* action = new QAction(Translated(entry.caption), this);
  if (entry.icon) action->setIcon(app::MenuIcon(*entry.icon));
  action->setCheckable(entry.checkable);
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

  FMenuBar = new QMenuBar(this);
  FMenuBar->setNativeMenuBar(false); // the window draws its own, as laid out
  // A menu bar outside a main window follows its parent's size on its own;
  // fixing its size keeps it to the layout's 260 x 24.
  FMenuBar->setFixedSize(260, 24);
  FMenuBar->setFont(look::TypefaceFont(TTypeface::Tahoma, 11, false));
  app::UseFixedMenuBarLook(*FMenuBar);
  QMenu* menu = nullptr;
  QMenu* submenu = nullptr;
  for (const TMenuPlace& place : MenuBarPlaces) {
    if (menu == nullptr || menu->title() != Translated(place.menu)) {
      menu = FMenuBar->addMenu(Translated(place.menu));
      submenu = nullptr;
    }
    if (place.submenu != nullptr && submenu == nullptr)
      submenu = menu->addMenu(Translated(place.submenu));
    Place(place.submenu != nullptr ? *submenu : *menu,
          place.command ? &MenuAction(*place.command) : nullptr);
  }

  FTrayMenu = new QMenu(this);
  for (const auto& command : TrayPlaces)
    Place(*FTrayMenu, command ? &MenuAction(*command) : nullptr);
  QAction* open = &MenuAction(TrayIconOpen);
  QFont bold = open->font();
  bold.setBold(true);
  open->setFont(bold);
  FTrayMenu->setDefaultAction(open);
}
